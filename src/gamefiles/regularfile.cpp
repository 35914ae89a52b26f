#include "gamefiles/regularfile.h"

#include "gamefiles/fileerror.h"
#include "gamefiles/scriptfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

QString notRegular(const QString &path)
{
    return QCoreApplication::translate("GameFiles", "Это не обычный файл: %1")
        .arg(QDir::toNativeSeparators(path));
}

/// Why a file of this type is refused, or nothing for a regular file.
QString refusalFor(mode_t mode, const QString &path)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return fileError(path, EISDIR);
    return notRegular(path);
}

/// open() that returns at once whatever the path names: a FIFO without a writer (or, for
/// writing, without a reader) does not keep it waiting, and a terminal does not become ours.
int openWithoutWaiting(const QByteArray &path, int access)
{
    int fd;
    do {
        fd = ::open(path.constData(), access | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

/// The refusal for what an open descriptor turned out to be, or nothing for a regular file.
QString refusalForOpened(int fd, const QString &path)
{
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return fileError(path, errno);
    return refusalFor(info.st_mode, path);
}

} // namespace

QString openRegularFile(QFile &file)
{
    const QString path = file.fileName();
    const QByteArray native = QFile::encodeName(path);
    // A look before the open, so a device is not even opened; the open is checked again, since
    // the path may name something else by then.
    struct stat info;
    if (::stat(native.constData(), &info) == 0) {
        if (QString refusal = refusalFor(info.st_mode, path); !refusal.isEmpty())
            return refusal;
    }
    const int fd = openWithoutWaiting(native, O_RDONLY);
    if (fd < 0)
        return fileError(path, errno);
    QString refusal = refusalForOpened(fd, path);
    // A regular file's reads never wait anyway; without the flag its reader sees no EAGAIN.
    if (refusal.isEmpty()) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
            refusal = fileError(path, errno);
    }
    if (refusal.isEmpty() && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        refusal = fileErrorText(errorReasonOf(file.errorString(), errno), path);
    if (!refusal.isEmpty())
        ::close(fd);
    return refusal;
}

FileBytes readRegularFile(const QString &path, qint64 limit)
{
    QFile file(path);
    FileBytes result;
    result.error = openRegularFile(file);
    if (result.error.isEmpty())
        result.error = readBoundedFile(file.handle(), path, &result.bytes, limit);
    if (!result.error.isEmpty())
        result.bytes.clear();
    return result;
}

} // namespace velmora
