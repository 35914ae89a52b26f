#pragma once

#include "config/options.h"

#include <array>
#include <span>

namespace velmora {

/// A connection type of the Combo1 list and the three rates it writes.
struct ConnectionPreset
{
    const char *comboText; ///< matched against Combo1's text whole and case-sensitively
    /// The values of Combo1's preset commands (rate, cl_updaterate, cl_cmdrate), in their order.
    std::array<const char *, kPresetCommandCount> values;
    /// The English name: the translation shows it, and the command line takes it too.
    const char *englishName;
};

/// The presets in the order they are matched (not the order of the drop-down list).
std::span<const ConnectionPreset> connectionPresets();

/// The eight Combo1 list items in the order the drop-down shows them.
std::span<const char *const> connectionTypeItems();

/// Combo1's text as the player reads it: a preset's name in the language installed now, any
/// other text as it stands.
[[nodiscard]] QString shownConnectionName(const QString &name);

/// The name the generator knows for a text of Combo1: a preset's name in English or in the
/// language installed now becomes the preset's own (Russian) name; any other text stays as it is.
[[nodiscard]] QString canonicalConnectionName(const QString &text);

/// One of the lines every run writes after the connection preset.
struct ValueLine
{
    const char *command; ///< ends with exactly one blank
    ValueSource source;
    int number; ///< Text<number> or Slider<number>; for the latency, the first ping
};

/// The kValueLineCount lines in the order a run writes them, each taken from its option's row.
std::span<const ValueLine> valueLines();

/// The lines one check box appends when checked (value 1) and when unchecked (value 0). A grayed
/// box (value 2) appends nothing.
struct CheckRow
{
    int box; ///< Check<box>
    std::span<const CheckLine> checked;
    std::span<const CheckLine> unchecked;
};

/// Rows for Check1..Check43 and `pod`, in ascending order of the box number, taken from the
/// options' rows.
std::span<const CheckRow> checkRows();

/// The row of Check<box> (1..43; kPodBox for `pod`).
const CheckRow &checkRow(int box);

} // namespace velmora
