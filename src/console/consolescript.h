#pragma once

#include <QByteArrayView>
#include <QString>

namespace velmora {

/// Whether the script, run by the game's console, executes `exec <fileName>` (the file name
/// compared in any letter case), read with ConsoleLexer and consoleWords(). `exec` takes exactly
/// one argument, so the command must have exactly the two words. `bytesRead`, when given, has the
/// bytes looked at for the ends of its commands added to it.
bool scriptExecs(QByteArrayView script, QByteArrayView fileName, qsizetype *bytesRead = nullptr);

/// Whether the console's `exec` takes the name at all: it refuses one holding `\\`, `:`, `~` or
/// `..`, one starting with `/`, and one whose file name's extension, from its first dot, is not
/// `cfg` or `rc` (in any letter case).
bool isExecName(QByteArrayView name);

/// Whether `exec <name>`, run from a script in `scriptFolder`, runs a file of the player's own:
/// one the game finds in its game folder, the first place `exec` looks. That folder is the
/// nearest of `scriptFolder` and the folders above it named `cstrike` (for a script in
/// `cstrike_downloads`, the `cstrike` beside it), or `scriptFolder` itself when none is. A file
/// only in `cstrike_downloads` came from a server; a name `exec` refuses runs nothing.
bool isOwnScript(const QString &scriptFolder, QByteArrayView name);

} // namespace velmora
