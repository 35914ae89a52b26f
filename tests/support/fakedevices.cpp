#include "fakedevices.h"

#include "testfiles.h"

#include <QHash>
#include <QThread>

#include <algorithm>
#include <memory>

#include <cerrno>
#include <cstdio>
#include <cstring>

FailingDevice::FailingDevice(QByteArray bytes, qsizetype failAfter)
    : m_bytes(std::move(bytes))
    , m_failAfter(failAfter)
{
    open(QIODevice::ReadOnly);
}

qint64 FailingDevice::readData(char *data, qint64 maxSize)
{
    if (m_position >= m_failAfter) {
        setErrorString(QStringLiteral("Input/output error"));
        return -1;
    }
    const qint64 n = std::min<qint64>(maxSize, m_failAfter - m_position);
    std::memcpy(data, m_bytes.constData() + m_position, size_t(n));
    m_position += n;
    return n;
}

velmora::SaveSystem fullDisk(qint64 budget, std::function<bool(const QString &)> fails)
{
    velmora::SaveSystem system = velmora::SaveSystem::real();
    const auto plain = system.write;
    auto left = std::make_shared<QHash<QString, qint64>>();
    system.write = [=](const QString &path, int fd, QByteArrayView bytes) -> qint64 {
        if (fails && !fails(path))
            return plain(path, fd, bytes);
        if (!left->contains(path))
            left->insert(path, budget);
        qint64 &room = (*left)[path];
        if (room == 0) {
            errno = ENOSPC;
            return -1;
        }
        const qint64 n = plain(path, fd, bytes.first(std::min<qint64>(room, bytes.size())));
        if (n > 0)
            room -= n;
        return n;
    };
    return system;
}

velmora::SaveSystem listingDisk(QStringList *written)
{
    velmora::SaveSystem system = velmora::SaveSystem::real();
    const auto plain = system.write;
    system.write = [=](const QString &path, int fd, QByteArrayView bytes) {
        if (!written->contains(path))
            written->append(path);
        return plain(path, fd, bytes);
    };
    return system;
}

velmora::SaveSystem hangingDisk(std::function<bool(const QString &)> hangs)
{
    velmora::SaveSystem system = velmora::SaveSystem::real();
    const auto plain = system.write;
    system.write = [=](const QString &path, int fd, QByteArrayView bytes) -> qint64 {
        if (!hangs(path))
            return plain(path, fd, bytes);
        plain(path, fd, bytes.first(bytes.size() / 2));
        std::fputs("half\n", stdout);
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1);
    };
    return system;
}
