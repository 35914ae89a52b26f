#pragma once

#include <QByteArrayView>
#include <QList>

namespace velmora {

/// Whether the script, run by the game's console, executes `exec <fileName>` (the file name
/// compared in any letter case). The script is read the way the console reads it: it ends at a
/// NUL byte; a line feed ends a command, and so does a `;` outside double quotes (a double
/// quote always opens or closes a quoted part, there is no escape); a command longer than 1023
/// bytes is cut there, its next byte is lost and the rest runs as a command of its own. A
/// command splits into words at blanks, tabs, CR and every byte from 0x80 up; a `//` outside
/// quotes hides the rest of its command; `{ } ( ) ' :` are words of their own; a word in double
/// quotes keeps everything up to the closing quote. `exec` takes exactly one argument, so the
/// command must have exactly the two words, though a third word of 515 bytes or more is never
/// seen, since reading the words stops there. The script is read in one pass: `bytesRead`, when
/// given, has the bytes looked at for the ends of its commands added to it.
bool scriptExecs(QByteArrayView script, QByteArrayView fileName, qsizetype *bytesRead = nullptr);

/// The words of one command (the script between two command ends), split as the console splits
/// them (see scriptExecs()): a word in double quotes without them, a `//` ending the command.
QList<QByteArrayView> consoleWords(QByteArrayView command);

} // namespace velmora
