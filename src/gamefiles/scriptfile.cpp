#include "gamefiles/scriptfile.h"

#include "gamefiles/fileerror.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

constexpr qint64 kChunkBytes = qint64(1) << 20;

QString tooLarge(const QString &path, qint64 limit)
{
    // Scripts are refused in whole MiB, smaller files (dir.vlm) in bytes.
    if (limit >= (qint64(1) << 20)) {
        return QCoreApplication::translate(
                   "GameFiles", "Файл %1 больше %2 МБ: это не конфиг игры, и Velmora не "
                                "читает и не изменяет его. Удалите или переместите этот файл.")
            .arg(QDir::toNativeSeparators(path))
            .arg(limit >> 20);
    }
    return QCoreApplication::translate("GameFiles",
                                       "Файл %1 больше %2 байт: Velmora не читает его. Удалите "
                                       "или переместите этот файл.")
        .arg(QDir::toNativeSeparators(path))
        .arg(limit);
}

} // namespace

QString readBoundedFile(int fd, const QString &path, QByteArray *bytes, qint64 limit)
{
    bytes->clear();
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return fileError(path, errno);
    if (info.st_size > limit)
        return tooLarge(path, limit);
    bytes->reserve(qsizetype(info.st_size) + 1);
    for (;;) {
        const qint64 room = limit + 1 - bytes->size();
        if (room <= 0)
            return tooLarge(path, limit);
        // The file's size is known, so its bytes go into the room reserved for them in one read;
        // growing the array past it would copy what was read into fresh memory. A file that grew
        // since fstat() goes on in chunks.
        const qsizetype kept = bytes->size();
        const qint64 reserved = bytes->capacity() - kept;
        bytes->resize(kept + qsizetype(std::min(room, reserved > 0 ? reserved : kChunkBytes)));
        ssize_t read;
        do {
            read = ::read(fd, bytes->data() + kept, size_t(bytes->size() - kept));
        } while (read < 0 && errno == EINTR);
        bytes->resize(kept + qsizetype(std::max<ssize_t>(read, 0)));
        if (read < 0)
            return fileError(path, errno);
        if (read == 0)
            return {};
    }
}

QString readScriptFile(int fd, const QString &path, QByteArray *bytes)
{
    return readBoundedFile(fd, path, bytes, kScriptMaxBytes);
}

} // namespace velmora
