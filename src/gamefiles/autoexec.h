#pragma once

#include "gamefiles/filewrite.h"

#include <QByteArray>
#include <QString>

namespace velmora {

/// The bytes Save writes for the config box's text: every line break as CR LF, then a final
/// CR LF, in the system encoding (lossless, see encodeLossless()).
QByteArray autoexecBytes(QStringView boxText);

/// What a successful save did.
enum class SaveOutcome {
    Written,   ///< autoexec.cfg was created or replaced
    Unchanged, ///< it already held these bytes: nothing was written
};

/// Replaces <gameFolder>/cstrike/autoexec.cfg with autoexecBytes(boxText), atomically: the new
/// content is written beside the file and moved over it only when complete, so a failure leaves
/// the previous file whole. A file whose bytes differ is first kept as autoexec.cfg.bak (written
/// the same way; if that fails, nothing else is written); a file that already holds the bytes is
/// left alone. A read-only autoexec.cfg is refused, never replaced, and so is anything but a
/// regular file in its place or at the end of its link (a link to a regular file stays a link, and
/// the file it names is replaced; as root only when it stays in the game folder and the link's
/// owner's, see checkWriteTarget()); a missing cstrike folder fails and creates nothing. The
/// backup replaces a link in its place and takes the mode (and, as root, the owner) of the file
/// it keeps; the new file keeps the owner of the one it replaces. Returns an empty string on
/// success, otherwise the error text naming the file (see fileErrorText()). `outcome`, when
/// given, tells what a success did.
[[nodiscard]] QString saveAutoexec(const QString &gameFolder, QStringView boxText,
                                   SaveOutcome *outcome = nullptr);

/// saveAutoexec() writing the backup and the new file through files of the given factory.
[[nodiscard]] QString saveAutoexec(const QString &gameFolder, QStringView boxText,
                                   const SaveFileFactory &openFile, SaveOutcome *outcome = nullptr);

} // namespace velmora
