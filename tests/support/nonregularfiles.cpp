#include "nonregularfiles.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

QString makeNonRegular(NonRegular kind, const QString &path)
{
    const QByteArray where = QFile::encodeName(path);
    int result = 0;
    switch (kind) {
    case NonRegular::Fifo:
        result = ::mkfifo(where.constData(), 0644);
        break;
    case NonRegular::Socket: {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(where.size()) >= sizeof address.sun_path)
            return QStringLiteral("path too long for a socket");
        std::memcpy(address.sun_path, where.constData(), size_t(where.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        result = fd < 0 ? -1 : ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
        const int error = errno;
        if (fd >= 0)
            ::close(fd); // the socket's file stays
        errno = error;
        break;
    }
    case NonRegular::Device: // a second /dev/null
        result = ::mknod(where.constData(), S_IFCHR | 0666, makedev(1, 3));
        break;
    case NonRegular::LinkToDevice:
        if (QString why = makeNonRegular(NonRegular::Device, path + QStringLiteral(".node"));
            !why.isEmpty())
            return why;
        result = ::symlink(QFile::encodeName(path + QStringLiteral(".node")).constData(),
                           where.constData());
        break;
    }
    return result == 0 ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}

Standing Standing::at(const QString &path)
{
    const QByteArray where = QFile::encodeName(path);
    Standing s;
    struct stat info;
    if (::lstat(where.constData(), &info) == 0)
        s.inode = info.st_ino, s.mode = info.st_mode, s.device = info.st_rdev;
    if (::stat(where.constData(), &info) == 0)
        s.targetInode = info.st_ino, s.targetMode = info.st_mode, s.targetDevice = info.st_rdev;
    return s;
}
