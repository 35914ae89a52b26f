#pragma once

// Devices that fail the way real disks do.

#include "gamefiles/savepipeline.h"
#include <QIODevice>

#include <QStringList>

#include <functional>

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

/// A save system (see velmora::SaveSystem) whose disk takes `budget` bytes of each new file whose
/// path `fails` (every file when empty), really writing them, and then refuses the rest with
/// ENOSPC, like a full disk. Runs as the user the tests run as.
velmora::SaveSystem fullDisk(qint64 budget, std::function<bool(const QString &)> fails = {});

/// A save system that writes as usual and lists in `written` each new file's path once, at its
/// first write.
velmora::SaveSystem listingDisk(QStringList *written);

/// A save system that writes half of the first block of a file whose path `hangs`, says "half"
/// on standard output and then hangs, so a parent process can kill it while the new file is
/// exactly half written.
velmora::SaveSystem hangingDisk(std::function<bool(const QString &)> hangs);
