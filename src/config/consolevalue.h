#pragma once

#include "config/options.h"

#include <QString>
#include <QStringView>

namespace velmora {

/// The game's console reads a value between double quotes up to the next double quote, whatever
/// stands between (there is no escape), and a line break ends the command; the player's info
/// string, which carries the nick, splits at backslashes. A value holding one of these characters
/// runs as something else than the player typed.
bool isRefusedInValue(QChar c);

/// Bytes of the text in the encoding Save writes (the system's, lossless).
qsizetype encodedSize(QStringView text);

inline constexpr qsizetype kNickByteCap = 31;     ///< servers keep the first 31 bytes of a nick
inline constexpr qsizetype kContactByteCap = 127; ///< keeps the sv_contact line short
/// The longest word the console reads: one of 515 bytes or more stops the reading of its line.
inline constexpr qsizetype kValueByteCap = 514;

/// The byte cap of the text field Text<n> (1..11): the nick's, the contact's or kValueByteCap; 0
/// for the pings, which are written as numbers.
qsizetype textByteCap(int number);

/// Why one of the texts the generator writes as a value (Text3..Text11) would not reach the game
/// as typed: a refused character or more bytes than its cap. Empty when all are safe. Text1 and
/// Text2 are written as numbers and are never refused.
QString unsafeValue(const OptionSnapshot &options);

/// Text11, the volume, as the game reads it: it takes numbers with a point only, so "0,5" would
/// be 0 (silence). Every comma is written as a point.
QString volumeValue(QStringView text);

} // namespace velmora
