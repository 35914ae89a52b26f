#pragma once

#include "config/options.h"

#include <QString>
#include <QStringList>

namespace velmora {

/// Applies one NAME=VALUE argument of `velmora --print-config` to the options. Names are the
/// controls' names, exactly; texts are taken as given (no digit filter) and may be empty.
/// Returns an empty string on success, otherwise why the argument was refused.
[[nodiscard]] QString applyAssignment(OptionSnapshot &options, QStringView argument);

/// The `NAME=VALUE` arguments of `velmora --print-config` that give `options`: one for each
/// control whose value differs from its start-up value, in the order of optionInventory().
QStringList assignmentsFor(const OptionSnapshot &options);

} // namespace velmora
