#pragma once

#include <QByteArray>
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

/// A file read whole.
struct FileBytes
{
    QByteArray bytes;
    QString error; ///< why it could not be read (see openRegularFile(), readBoundedFile())
};

/// Reads the regular file at `path` (see openRegularFile()) when it holds no more than `limit`
/// bytes; a larger one is refused unread, naming the file (see readBoundedFile()).
[[nodiscard]] FileBytes readRegularFile(const QString &path, qint64 limit);

} // namespace velmora
