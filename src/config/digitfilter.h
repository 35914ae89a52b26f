#pragma once

#include <QStringView>
#include <QtGlobal>

namespace velmora {

inline constexpr qint16 kBackspaceCode = 8;

/// Filter for the numeric fields: a digit '0'..'9' and Backspace (8) pass unchanged; every other
/// code returns 0, which tells the caller to discard the key and sound the refusal tone.
qint16 FilterDigitKey(qint16 keyCode);

/// How a text field the game reads as a number takes its text: digits only, or digits with one
/// decimal separator, a point or the comma the window's label shows (the volume's line writes it
/// as a point).
enum class NumberForm { Text, Whole, Decimal };

/// The form of Text<number>: the NetGraph position is whole, the volume decimal, the other
/// fields are text (the digit filter guards some of those).
NumberForm numberForm(int textField);

/// Whether `text` keeps to `form`: digits 0 to 9 by character code and, for a decimal, no more
/// than one separator. An empty text keeps to every form.
bool keepsToForm(QStringView text, NumberForm form);

} // namespace velmora
