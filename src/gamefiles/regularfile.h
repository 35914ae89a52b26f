#pragma once

#include <QString>

class QFile;

namespace velmora {

/// Opens `file` (its name set) read-only when its path, links followed, names a regular file.
/// A FIFO, a socket, a device or a folder is refused at once and left as it is: nothing waits
/// for a FIFO's writer or reads a device, even when the path turns into one between a look at it
/// and the open. Returns an empty string when the file is open, otherwise the error text (the
/// reason and the path, see fileErrorText(), or "Это не обычный файл: <path>"), and the file
/// stays closed.
///
///     QFile file(path);
///     if (const QString error = openRegularFile(file); !error.isEmpty())
///         return error;
///     file.readAll()...
[[nodiscard]] QString openRegularFile(QFile &file);

/// Whether a save may move a new file over `path`: it may when nothing is there (or a link points
/// at nothing yet), or when, links followed, a regular file is there that the user may write. A
/// FIFO, a socket, a device or a folder is refused, as is a read-only file, even for root: its
/// write bit is the player's word. Never opens anything that could wait. Returns an empty string
/// when the save may go on, otherwise the reason, worded as openRegularFile() words it.
[[nodiscard]] QString checkReplaceable(const QString &path);

} // namespace velmora
