#include "gamefiles/regularfile.h"

#include "gamefiles/fileerror.h"
#include "gamefiles/savetarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmora {

namespace {

QString notRegular(const QString &path)
{
    return QCoreApplication::translate("GameFiles", "Это не обычный файл: %1")
        .arg(QDir::toNativeSeparators(path));
}

#ifdef Q_OS_UNIX
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
#endif

} // namespace

QString openRegularFile(QFile &file)
{
    const QString path = file.fileName();
#ifdef Q_OS_UNIX
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
#else
    // No FIFOs or device nodes among the paths of this platform's file system: the type is
    // looked at, and the file opened as usual.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return info.isDir() ? fileError(path, EISDIR) : notRegular(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileErrorText(errorReasonOf(file.errorString(), errno), path);
    return {};
#endif
}

QString checkReplaceable(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    // Nothing there is nothing to replace; a path that cannot be looked at (a link loop, a
    // missing folder) is reported by the save itself when it creates its file.
    if (::stat(native.constData(), &info) != 0)
        return {};
    if (QString refusal = refusalFor(info.st_mode, path); !refusal.isEmpty())
        return refusal;
    // Opened for writing only to learn whether the user may write it; nothing is written.
    const int fd = openWithoutWaiting(native, O_WRONLY);
    if (fd < 0) {
        if (errno == ENOENT)
            return {};
        // A FIFO without a reader, put in the file's place since the look above.
        return errno == ENXIO ? notRegular(path) : fileError(path, errno);
    }
    QString refusal = refusalForOpened(fd, path);
    // Root may open anything for writing, so for root the owner's write bit is the player's
    // word; anyone else was just let in by the permissions that apply to them, group ones too.
    if (refusal.isEmpty() && runsAsRoot() && ::fstat(fd, &info) == 0 && !(info.st_mode & S_IWUSR))
        refusal = fileError(path, EACCES);
    ::close(fd);
    return refusal;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return info.isDir() ? fileError(path, EISDIR) : notRegular(path);
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
        return fileErrorText(errorReasonOf(probe.errorString(), errno), path);
    probe.close();
    if (!(info.permissions() & QFileDevice::WriteOwner))
        return fileError(path, EACCES);
    return {};
#endif
}

} // namespace velmora
