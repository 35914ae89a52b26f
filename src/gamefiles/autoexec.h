#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QSaveFile;

namespace velmora {

/// The bytes Save writes for the config box's text: every line break as CR LF, then a final
/// CR LF, in the system encoding (lossless, see encodeLossless()).
QByteArray autoexecBytes(QStringView boxText);

/// Replaces <gameFolder>/cstrike/autoexec.cfg with autoexecBytes(boxText), atomically: the new
/// content is written beside the file and moved over it only when complete, so a failure leaves
/// the previous file whole. A read-only autoexec.cfg is refused, never replaced, and so is
/// anything but a regular file in its place or at the end of its link (a link to a regular file
/// stays a link, and the file it names is replaced); a missing cstrike folder fails and creates
/// nothing. Returns an empty string on success, otherwise the system's description of the
/// failure (or "Это не обычный файл: <path>").
[[nodiscard]] QString saveAutoexec(const QString &gameFolder, QStringView boxText);

/// Opens the file a save writes through: a QSaveFile on the given path. Tests put in one whose
/// writes fail part-way, as a full disk's do.
using SaveFileFactory = std::function<std::unique_ptr<QSaveFile>(const QString &path)>;

/// saveAutoexec() writing through a file of the given factory.
[[nodiscard]] QString saveAutoexec(const QString &gameFolder, QStringView boxText,
                                   const SaveFileFactory &openFile);

} // namespace velmora
