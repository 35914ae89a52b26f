#pragma once

#include "gamefiles/savepipeline.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace velmora {

/// The bytes Save writes for the config box's text: every line break as CR LF, then a final
/// CR LF, in the system encoding (lossless, see encodeLossless()).
QByteArray autoexecBytes(QStringView boxText);

/// autoexecBytes() into `bytes`, which keeps its storage: a window that saves a large box again
/// and again reuses the same memory rather than having fresh pages mapped for each save.
void encodeAutoexecBytes(QStringView boxText, QByteArray &bytes);

/// Why `bytes` may not be saved as a game script, or nothing: the console stops reading a script
/// at its first NUL byte, so every line after one would silently never run. The refusal names the
/// line that holds it.
[[nodiscard]] QString checkScriptBytes(QByteArrayView bytes);

/// What a successful save did.
enum class SaveOutcome {
    Written,   ///< autoexec.cfg was created or replaced
    Unchanged, ///< it already held these bytes: nothing was written
};

/// Replaces <gameFolder>/cstrike/autoexec.cfg with `bytes` (see autoexecBytes()) through the
/// save pipeline (see SaveCommit): a file whose bytes differ is kept as autoexec.cfg.bak, and the
/// backup and the new file are both written and synced beside the old ones before either takes its
/// name, so a failure changes no file; a file that already holds the bytes is left alone. A
/// read-only autoexec.cfg is refused, never replaced, and so is anything but a regular file in its
/// place or at the end of its link (a link to a regular file stays a link, and the file it names is
/// replaced; as root only when it stays in the game folder and belongs to the link's owner, see
/// LinkRule); a missing cstrike folder fails and creates nothing. The backup replaces a link in its
/// place and takes the mode (and, as root, the owner) of the file it keeps; the new file keeps the
/// mode and owner of the one it replaces. Returns an empty string on success, otherwise the error
/// text naming the file (see fileErrorText()), or the refusal of checkScriptBytes(). `outcome`,
/// when given, tells what a success did.
[[nodiscard]] QString saveAutoexec(const QString &gameFolder, QByteArrayView bytes,
                                   SaveOutcome *outcome = nullptr,
                                   const SaveSystem &system = SaveSystem::real());

/// saveAutoexec() of the config box's text, encoded by autoexecBytes().
[[nodiscard]] QString saveAutoexec(const QString &gameFolder, QStringView boxText,
                                   SaveOutcome *outcome = nullptr);

} // namespace velmora
