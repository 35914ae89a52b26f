#pragma once

#include <span>

namespace velmora {

/// A connection type of the Combo1 list and the three rates it writes.
struct ConnectionPreset
{
    const char *comboText; ///< matched against Combo1's text whole and case-sensitively
    const char *rate;
    const char *updateRate;
    const char *cmdRate;
};

/// The presets in the order they are matched (not the order of the drop-down list).
std::span<const ConnectionPreset> connectionPresets();

/// The eight Combo1 list items in the order the drop-down shows them.
std::span<const char *const> connectionTypeItems();

/// How a line written on every run takes its value from its control.
enum class ValueSource {
    Latency, ///< both pings: a minus sign, then three quarters of their mean
    Text,    ///< the field's text as typed
    Volume,  ///< Text11, every comma written as a point
    Slider,  ///< the slider's position
};

/// One of the twelve lines every run writes after the connection preset.
struct ValueLine
{
    const char *command; ///< ends with exactly one blank
    ValueSource source;
    int number; ///< Text<number> or Slider<number>; for the latency, the first ping
};

/// The twelve lines in the order a run writes them.
std::span<const ValueLine> valueLines();

enum class LineForm {
    Valued,   ///< command, then the value in double quotes: `rate "20000"`
    Bare,     ///< the command alone: `gunsmoke`
    KeyValue, ///< `setinfo "<command>""<value>"`, no blank between the quoted parts
};

/// One line a check box appends. The value is either fixed or the text of a field (Text3, Text4
/// or Text6), read when the line is written.
struct CheckLine
{
    LineForm form;
    const char *command; ///< valued commands end with exactly one blank
    const char *value = nullptr;
    int textField = 0; ///< when non-zero, the value is the text of Text<textField>
};

/// The lines one check box appends when checked (value 1) and when unchecked (value 0). A grayed
/// box (value 2) appends nothing.
struct CheckRow
{
    int box; ///< Check<box>
    std::span<const CheckLine> checked;
    std::span<const CheckLine> unchecked;
};

/// Rows for Check1..Check43, in ascending order of the box number.
std::span<const CheckRow> checkRows();

/// The row of Check<box> (1..43).
const CheckRow &checkRow(int box);

} // namespace velmora
