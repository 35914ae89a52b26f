#pragma once

#include "config/generator.h"
#include "config/options.h"

#include <QStringList>

namespace velmora {

/// The lines one run of the generator writes because of one control, in the run's order and
/// without their CR LF: exactly the generator's own lines whose value that control decides.
QStringList linesOfControl(ControlRef control, const OptionSnapshot &options);

/// What an option control's tool tip says, as plain text with one statement a line: the console
/// lines it produces, taken from a run of the generator. A check box names its lines for each of
/// its three states (the grayed state included); a field, a slider or Combo1 names its line with
/// the value it holds now, and a field that only a check box writes names the line that box
/// writes when checked. What the command table knows of those commands follows in short phrases.
/// A box that writes no line in any state (`pod`) has no tip: an empty string.
QString optionTip(const OptionInfo &option, const OptionSnapshot &options);

} // namespace velmora
