#include "gamefiles/autoexec.h"

#include "gamefiles/pathfile.h"
#include "gamefiles/textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace velmora {

namespace {

/// An existing autoexec.cfg that may not be written is refused: moving a new file over it would
/// bypass its protection. Root may open anything, so the file's own write bit is checked too.
QString refuseProtectedFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
        return probe.errorString();
    probe.close();
    if (!(info.permissions() & QFileDevice::WriteOwner))
        return QString::fromLocal8Bit(std::strerror(EACCES));
    return {};
}

/// Writes every byte, or cancels the save and returns the system's reason. A write that stops
/// short (the disk filled part-way) sets no error; writing the rest then fails with the reason,
/// which is what the player is told.
QString writeAll(QSaveFile &file, QByteArrayView bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.data() + written, bytes.size() - written);
        if (n <= 0) {
            const QString error = file.errorString();
            file.cancelWriting();
            return error;
        }
        written += n;
    }
    return {};
}

} // namespace

QByteArray autoexecBytes(QStringView boxText)
{
    QByteArray bytes;
    appendEncodedLossless(boxText, bytes, LineBreaks::CrLf);
    bytes.append("\r\n", 2);
    return bytes;
}

QString saveAutoexec(const QString &gameFolder, QStringView boxText)
{
    return saveAutoexec(gameFolder, boxText,
                        [](const QString &path) { return std::make_unique<QSaveFile>(path); });
}

QString saveAutoexec(const QString &gameFolder, QStringView boxText,
                     const SaveFileFactory &openFile)
{
    const QString path = gameFile(gameFolder, QStringLiteral("autoexec.cfg"));
    if (const QString refusal = refuseProtectedFile(path); !refusal.isEmpty())
        return refusal;

    const std::unique_ptr<QSaveFile> file = openFile(path);
    if (!file->open(QIODevice::WriteOnly))
        return file->errorString();
    // The box is encoded as it is written, a slice at a time, rather than copied whole first.
    LosslessEncoder encoder(boxText, LineBreaks::CrLf);
    for (QByteArrayView slice = encoder.next(); !slice.isEmpty(); slice = encoder.next()) {
        if (const QString error = writeAll(*file, slice); !error.isEmpty())
            return error;
    }
    if (const QString error = writeAll(*file, "\r\n"); !error.isEmpty())
        return error;
    if (!file->commit())
        return file->errorString();
    return {};
}

} // namespace velmora
