#pragma once

#include "config/options.h"

#include <QByteArrayView>
#include <QString>

namespace velmora {

/// What "Показать" appends once a config was opened: the lines of a run for `options`, less
/// each line whose command the box (`boxScript`, its bytes) already sets while every control
/// behind the line still holds what it held in `settled` (the controls as Open or the last Show
/// left them). The box is then the file's word for such a setting, a value no control can hold
/// included; a control the player has moved since writes its own line, after the box's.
[[nodiscard]] QString generateBesideBox(const OptionSnapshot &options,
                                        const OptionSnapshot &settled, QByteArrayView boxScript);

} // namespace velmora
