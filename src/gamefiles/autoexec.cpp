#include "gamefiles/autoexec.h"

#include "gamefiles/pathfile.h"
#include "gamefiles/regularfile.h"
#include "gamefiles/textcodec.h"

#include <QSaveFile>

namespace velmora {

QByteArray autoexecBytes(QStringView boxText)
{
    QByteArray bytes;
    appendEncodedLossless(boxText, bytes, LineBreaks::CrLf);
    bytes.append("\r\n", 2);
    return bytes;
}

bool autoexecHolds(QStringView boxText, QByteArrayView bytes)
{
    LosslessEncoder encoder(boxText, LineBreaks::CrLf);
    qsizetype at = 0;
    for (QByteArrayView slice = encoder.next(); !slice.isEmpty(); slice = encoder.next()) {
        if (bytes.size() - at < slice.size() || bytes.sliced(at, slice.size()) != slice)
            return false;
        at += slice.size();
    }
    return bytes.sliced(at) == QByteArrayView("\r\n");
}

QString saveAutoexec(const QString &gameFolder, QStringView boxText, SaveOutcome *outcome)
{
    return saveAutoexec(gameFolder, boxText, plainSaveFiles(), outcome);
}

QString saveAutoexec(const QString &gameFolder, QStringView boxText,
                     const SaveFileFactory &openFile, SaveOutcome *outcome)
{
    const QString path = gameFile(gameFolder, QStringLiteral("autoexec.cfg"));
    // A read-only autoexec.cfg is refused: moving a new file over it would bypass its protection.
    // So is a FIFO, a device or a folder in its place, or at the end of its link: the new file
    // would take the place of /dev/null itself when a player switched the script off that way.
    if (QString refusal = checkReplaceable(path); !refusal.isEmpty())
        return refusal;

    // The file the save replaces is kept first, so no edit of the player's is ever lost; a file
    // that already holds the new bytes needs neither a backup nor a rewrite.
    const ExistingFile previous = readExistingFile(path);
    if (!previous.error.isEmpty())
        return previous.error;
    if (previous.exists) {
        if (autoexecHolds(boxText, previous.bytes)) {
            if (outcome)
                *outcome = SaveOutcome::Unchanged;
            return {};
        }
        const QString backup = gameFile(gameFolder, QStringLiteral("autoexec.cfg.bak"));
        if (QString error = writeFileAtomically(backup, previous.bytes, openFile);
            !error.isEmpty()) {
            return error;
        }
    }

    const std::unique_ptr<QSaveFile> file = openFile(path);
    if (!file->open(QIODevice::WriteOnly))
        return file->errorString();
    // The box is encoded as it is written, a slice at a time, rather than copied whole first.
    LosslessEncoder encoder(boxText, LineBreaks::CrLf);
    for (QByteArrayView slice = encoder.next(); !slice.isEmpty(); slice = encoder.next()) {
        if (QString error = writeAll(*file, slice); !error.isEmpty())
            return error;
    }
    if (QString error = writeAll(*file, "\r\n"); !error.isEmpty())
        return error;
    // Looked at again just before the new file takes the name: the place may have changed
    // hands while the bytes were written.
    if (QString refusal = checkReplaceable(path); !refusal.isEmpty()) {
        file->cancelWriting();
        return refusal;
    }
    if (!file->commit())
        return file->errorString();
    if (outcome)
        *outcome = SaveOutcome::Written;
    return {};
}

} // namespace velmora
