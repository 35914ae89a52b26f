#pragma once

// Devices that fail the way real disks do.

#include <QIODevice>
#include <QSaveFile>

/// A device that delivers some bytes, then fails like a disk that cannot be read further.
class FailingDevice : public QIODevice
{
public:
    FailingDevice(QByteArray bytes, qsizetype failAfter);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qsizetype m_failAfter;
    qsizetype m_position = 0;
};

/// A QSaveFile whose device accepts `budget` bytes and then fails like a full disk: the bytes up
/// to the budget really reach the temporary file, the rest is refused with ENOSPC.
class FullDiskSaveFile : public QSaveFile
{
public:
    FullDiskSaveFile(const QString &path, qint64 budget);

protected:
    qint64 writeData(const char *data, qint64 length) override;

private:
    qint64 m_budget;
};

/// Writes half of what it is given, says so on standard output and then hangs, so a parent
/// process can kill it while the new file is exactly half written.
class HangingSaveFile : public QSaveFile
{
public:
    using QSaveFile::QSaveFile;

protected:
    qint64 writeData(const char *data, qint64 length) override;
};
