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
/// the file it names is replaced); a missing cstrike folder fails and creates nothing. Returns an
/// empty string on success, otherwise the system's description of the failure (or "Это не
/// обычный файл: <path>"). `outcome`, when given, tells what a success did.
[[nodiscard]] QString saveAutoexec(const QString &gameFolder, QStringView boxText,
                                   SaveOutcome *outcome = nullptr);

/// saveAutoexec() writing the backup and the new file through files of the given factory.
[[nodiscard]] QString saveAutoexec(const QString &gameFolder, QStringView boxText,
                                   const SaveFileFactory &openFile, SaveOutcome *outcome = nullptr);

} // namespace velmora
