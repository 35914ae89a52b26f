#include "gamefiles/autoexec.h"

#include "gamefiles/pathfile.h"
#include "gamefiles/regularfile.h"
#include "gamefiles/textcodec.h"

#include <QSaveFile>

namespace velmora {

namespace {

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
    // A read-only autoexec.cfg is refused: moving a new file over it would bypass its protection.
    // So is a FIFO, a device or a folder in its place, or at the end of its link: the new file
    // would take the place of /dev/null itself when a player switched the script off that way.
    if (const QString refusal = checkReplaceable(path); !refusal.isEmpty())
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
    // Looked at again just before the new file takes the name: the place may have changed
    // hands while the bytes were written.
    if (const QString refusal = checkReplaceable(path); !refusal.isEmpty()) {
        file->cancelWriting();
        return refusal;
    }
    if (!file->commit())
        return file->errorString();
    return {};
}

} // namespace velmora
