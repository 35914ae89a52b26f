#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

namespace velmora {

/// How much a finding of checkScript() matters.
enum class Severity {
    Error,   ///< the game will not run the file as written
    Warning, ///< it runs, but not as the player likely meant, or does what servers used to plant
    Note,    ///< a command the current build ignores, one for a hosted server, or an unknown one
};

struct Finding
{
    int line = 0; ///< 1-based line of the file where the command starts
    Severity severity = Severity::Note;
    QString message; ///< English, one sentence
};

/// Reads a script the way the game's console runs it (a NUL byte ends it; a line feed, and a `;`
/// outside double quotes, end a command; `//` hides the rest of a command; a command over 1023
/// bytes is cut) and says, command by command, what the current game build makes of it, using
/// the table of game commands. Findings come in line order. `scriptFolder` is the folder the
/// script lies in: a bind or alias that runs `exec` of a file the player has there (see
/// isOwnScript()) is an ordinary one. Without it, every such `exec` is reported.
QList<Finding> checkScript(QByteArrayView script, const QString &scriptFolder = QString());

/// When a line of config.cfg holds a bind or an alias that does what servers used to plant
/// (connect, retry, rcon, rcon_password, exec, writecfg, motdfile, cl_filterstuffcmd 0,
/// unbindall with no bind after it), or such a command itself, the planted command as written;
/// otherwise empty.
QByteArray plantedCommand(QByteArrayView line);

/// The lines of a text (separated by line feeds, as the import carries them) in which
/// plantedCommand() finds a planted command, as views into the text, in its order.
QList<QStringView> plantedLines(QStringView text);

/// "file:line: error|warning|note: message", the form compilers use and editors jump to.
QString findingText(const QString &fileName, const Finding &finding);

} // namespace velmora
