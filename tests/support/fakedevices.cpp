#include "fakedevices.h"

#include "testfiles.h"

#include <QThread>

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

FullDiskSaveFile::FullDiskSaveFile(const QString &path, qint64 budget)
    : QSaveFile(path)
    , m_budget(budget)
{
}

qint64 FullDiskSaveFile::writeData(const char *data, qint64 length)
{
    if (length <= m_budget) {
        m_budget -= length;
        return QSaveFile::writeData(data, length);
    }
    if (m_budget > 0)
        QSaveFile::writeData(data, m_budget);
    m_budget = 0;
    setErrorString(systemText(ENOSPC));
    return -1;
}

qint64 HangingSaveFile::writeData(const char *data, qint64 length)
{
    const qint64 half = length / 2;
    QSaveFile::writeData(data, half);
    flush();
    std::fputs("half\n", stdout);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
