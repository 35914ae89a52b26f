#pragma once

#include "config/linetable.h"
#include "config/options.h"

#include <QStringList>

namespace velmora {

/// Reads the number at the start of a ping field the way the game's config tool always has:
/// blanks, tabs and line feeds are skipped anywhere, an optional sign, digits, '.' as the
/// separator whatever the locale, an optional exponent (E or D); reading stops at the first
/// character that cannot continue the number; no number reads as 0. A number beyond the range of
/// a double saturates at the largest finite double of its sign; one too small to represent is 0.
double parsePing(QStringView text);

/// Three quarters of the mean of the two pings, computed in that order. Never infinite: when the
/// sum of two huge pings overflows, the mean is taken as half of each, added.
double latencyOf(double lowestPing, double highestPing);

/// Number text as the game expects it: at most 15 significant digits, no trailing zeros, a point
/// as decimal separator in every locale, and scientific notation ("1E+15", "3.75E-05") outside
/// 1E-04 <= |x| < 1E+15. Zero of either sign is "0".
QString numberText(double value);

/// A control the generator reads: its kind and its number within the kind (Combo1 is number 1).
struct ControlRef
{
    OptionKind kind = OptionKind::Combo;
    int number = 0; ///< 0: no control

    bool operator==(const ControlRef &) const = default;
};

/// One line of a run with the controls whose state wrote it: one for most lines, two where a line
/// joins two controls (cl_latency from both pings, a check box's line carrying a field's text).
struct TracedLine
{
    QString text; ///< ends in CR LF
    ControlRef first;
    ControlRef second;

    bool cameFrom(ControlRef control) const { return first == control || second == control; }
};

/// The value one of the twelve always-written lines carries for the given options, unquoted.
QString valueLineValue(const ValueLine &line, const OptionSnapshot &options);

/// The value a check box's line carries (its fixed value or its field's text); empty for a bare
/// line.
QString checkLineValue(const CheckLine &line, const OptionSnapshot &options);

/// The lines of one run of the generator for the given options, each ending in CR LF:
/// connection preset, the twelve value lines, then the check-box rows Check1..Check43.
QStringList generateLines(const OptionSnapshot &options);

/// generateLines() with the controls behind each line.
QList<TracedLine> generateTracedLines(const OptionSnapshot &options);

/// generateLines() joined: the text one run appends to the config box.
QString generateText(const OptionSnapshot &options);

} // namespace velmora
