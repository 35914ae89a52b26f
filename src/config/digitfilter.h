#pragma once

#include <QtGlobal>

namespace velmora {

inline constexpr qint16 kBackspaceCode = 8;

/// Filter for the numeric fields: a digit '0'..'9' and Backspace (8) pass unchanged; every other
/// code returns 0, which tells the caller to discard the key and sound the refusal tone.
qint16 FilterDigitKey(qint16 keyCode);

} // namespace velmora
