#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

namespace velmora {

/// One command of a script, split into words the way the game's console splits it.
struct ConsoleCommand
{
    int line = 0;       ///< index of its line in ConsoleScript::lines
    QStringView source; ///< the command's own text, without the blanks around it
    QStringList words;
};

/// A config script read the way the game's console reads it: a line feed ends a line (a CR
/// before it belongs to the line end); a `;` outside double quotes ends a command; a double quote
/// always opens or closes a quoted word (there is no escape) and a line feed closes it too.
/// Words part at blanks, tabs, CR and every character from U+0080 up; `{ } ( ) ' :` are words of
/// their own; a word in double quotes keeps everything up to its closing quote; `//` where a word
/// would begin hides the rest of its command.
struct ConsoleScript
{
    QList<QStringView> lines; ///< without their line ends; no empty line after a final line feed
    QList<ConsoleCommand> commands; ///< every command with at least one word, in order
};

/// Reads `text`; the views point into it, so it must outlive the result.
ConsoleScript readConsoleScript(QStringView text);

} // namespace velmora
