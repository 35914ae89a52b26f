#pragma once

#include "gamefiles/savepipeline.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace velmora {

/// The game runs autoexec.cfg before config.cfg, which it rewrites at every exit with the old
/// values of every archived setting and an `unbindall`; config.cfg ends by running
/// userconfig.cfg. A line `exec autoexec.cfg` there makes what Velmora saved apply last.
enum class ChainState {
    Chained, ///< userconfig.cfg already runs autoexec.cfg
    Loop,    ///< the saved text runs userconfig.cfg: a chain would make the two run each other
    Missing, ///< the chain can be added
    Failed,  ///< userconfig.cfg cannot be read, is too large (see kScriptMaxBytes), or holds a NUL
             ///< byte, where the game stops reading
};

struct ChainCheck
{
    ChainState state = ChainState::Missing;
    QString error; ///< why, for Failed: the system's reason, the size, or the NUL byte
};

/// How things stand after a save of `savedBytes` into the game folder's autoexec.cfg.
[[nodiscard]] ChainCheck checkUserconfigChain(const QString &gameFolder, QByteArrayView savedBytes,
                                              const SaveSystem &system = SaveSystem::real());

/// The bytes of userconfig.cfg with the chain added: unchanged when it already runs
/// autoexec.cfg; otherwise every byte kept, then (after a line end, if its last line has none)
/// a comment line that says why, and `exec autoexec.cfg`, each ended like the file's last line
/// (LF in a file that ends its lines with LF alone, CR LF otherwise). A file that holds a NUL
/// byte is returned unchanged: the game would never read past it.
QByteArray withUserconfigChain(QByteArrayView userconfig);

/// Adds the chain to <gameFolder>/cstrike/userconfig.cfg, creating the file when missing, through
/// the save pipeline as Save writes: atomically, permissions kept, a read-only file refused, a link
/// as root only within the game folder. Nothing is written when the file already runs
/// autoexec.cfg, or holds a NUL byte. Returns an empty string, or why nothing was written.
[[nodiscard]] QString addUserconfigChain(const QString &gameFolder,
                                         const SaveSystem &system = SaveSystem::real());

} // namespace velmora
