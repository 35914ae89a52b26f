#pragma once

#include <QByteArrayView>

namespace velmora {

/// Whether the script, run by the game's console, executes `exec <fileName>` (the file name
/// compared in any letter case), read with ConsoleLexer and consoleWords(). `exec` takes exactly
/// one argument, so the command must have exactly the two words. `bytesRead`, when given, has the
/// bytes looked at for the ends of its commands added to it.
bool scriptExecs(QByteArrayView script, QByteArrayView fileName, qsizetype *bytesRead = nullptr);

} // namespace velmora
