#pragma once

#include <QByteArrayView>
#include <QList>

namespace velmora {

/// The most bytes of one command the game's console runs: its command line buffer, less the
/// closing NUL.
inline constexpr qsizetype kConsoleCommandLimit = 1023;

/// One command of a script as the console takes it off its command buffer.
struct ScriptCommand
{
    /// The bytes the console runs: up to the command's end, never more than kConsoleCommandLimit.
    /// May hold no word at all (a blank stretch, a comment).
    QByteArrayView text;
    int line = 1; ///< 1-based line of the script where the command starts
    /// The console cut the command at kConsoleCommandLimit bytes: the next byte is lost and what
    /// follows comes next as a command of its own.
    bool cut = false;
    /// The cut lost something the game would have run: the lost byte is not blank, or the command
    /// after it has a word. (A line of exactly that length ended with CR LF loses only its CR.)
    bool cutLoses = false;
};

/// Takes a script apart the way the game's console runs it. The script ends at its first NUL
/// byte (the file is handed to the console as a C string). A command ends at a line feed or at a
/// `;` outside double quotes: a double quote always opens or closes (there is no escape), and a
/// `//` comment does not hide a `;`. CR ends nothing. A command longer than kConsoleCommandLimit
/// bytes is cut there, the byte after the cut is lost, and the search for a command's end starts
/// afresh, quotes closed, after it. Every byte is looked at once, however long its line.
class ConsoleLexer
{
public:
    explicit ConsoleLexer(QByteArrayView script);

    /// The next command, blank ones included; false once the script is done.
    bool next(ScriptCommand *command);

    /// Whether a NUL byte ends the script before its last byte.
    bool endsAtNul() const { return m_end < m_script.size(); }
    /// The bytes the console reads: those before the first NUL.
    QByteArrayView readable() const { return m_script.first(m_end); }
    /// The 1-based line the reading has come to (that of the NUL once the script is done).
    int line() const { return m_line; }
    /// The bytes looked at so far for the ends of commands.
    qsizetype bytesScanned() const { return m_scanned; }

private:
    QByteArrayView m_script;
    qsizetype m_end = 0;
    qsizetype m_at = 0;
    qsizetype m_scanned = 0;
    int m_line = 1;
};

/// The console's blank: every byte up to the space, and every byte from 0x80 up, which the
/// console reads as a negative char.
constexpr bool isConsoleBlank(char c)
{
    return static_cast<signed char>(c) <= ' ';
}

/// The words of one command as the console's tokenizer makes them. Blanks part words; a word
/// never starts at a byte from 0x80 up but runs on through them; `{ } ( ) ' , :` are words of
/// their own; a word in double quotes keeps everything up to its closing quote or the command's
/// end; `//` where a word would begin hides the rest of the command. A word of 515 bytes or more
/// ends the tokenizing, that word not included, and no more than 80 words are kept.
QList<QByteArrayView> consoleWords(QByteArrayView command);

} // namespace velmora
