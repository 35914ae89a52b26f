#include "gamefiles/autoexec.h"

#include "base/textcodec.h"
#include "gamefiles/pathfile.h"
#include "gamefiles/regularfile.h"

#include <QSaveFile>

namespace velmora {

QByteArray autoexecBytes(QStringView boxText)
{
    QByteArray bytes;
    appendEncodedLossless(boxText, bytes, LineBreaks::CrLf);
    bytes.append("\r\n", 2);
    return bytes;
}

QString saveAutoexec(const QString &gameFolder, QStringView boxText, SaveOutcome *outcome)
{
    return saveAutoexec(gameFolder, boxText, plainSaveFiles(), outcome);
}

QString saveAutoexec(const QString &gameFolder, QStringView boxText,
                     const SaveFileFactory &openFile, SaveOutcome *outcome)
{
    const QString path = gameFile(gameFolder, QStringLiteral("autoexec.cfg"));
    // Before anything is read: as root, a link to a file elsewhere would otherwise have that file
    // copied into the backup, then replaced.
    const WriteRules rules{gameFolder, false, {}};
    if (QString refusal = checkWriteTarget(path, gameFolder); !refusal.isEmpty())
        return refusal;
    // A read-only autoexec.cfg is refused: moving a new file over it would bypass its protection.
    // So is a FIFO, a device or a folder in its place, or at the end of its link: the new file
    // would take the place of /dev/null itself when a player switched the script off that way.
    if (QString refusal = checkReplaceable(path); !refusal.isEmpty())
        return refusal;

    const ExistingFile previous = readExistingFile(path);
    if (!previous.error.isEmpty())
        return previous.error;

    // The box is encoded a slice at a time, once: first compared with the file it replaces, then,
    // from the first slice that differs, written out; the equal part is written from the old bytes.
    LosslessEncoder encoder(boxText, LineBreaks::CrLf);
    const QByteArrayView old(previous.bytes);
    qsizetype same = 0;
    QByteArrayView slice = encoder.next();
    if (previous.exists) {
        for (; !slice.isEmpty(); slice = encoder.next()) {
            if (old.size() - same < slice.size() || old.sliced(same, slice.size()) != slice)
                break;
            same += slice.size();
        }
        // A file that already holds the new bytes needs neither a backup nor a rewrite.
        if (slice.isEmpty() && old.sliced(same) == QByteArrayView("\r\n")) {
            if (outcome)
                *outcome = SaveOutcome::Unchanged;
            return {};
        }
        // The file the save replaces is kept first, so no edit of the player's is ever lost. The
        // backup is Velmora's own file, with the mode and owner of the file it keeps: a script
        // that holds an rcon_password stays as private as it was.
        const QString backup = gameFile(gameFolder, QStringLiteral("autoexec.cfg.bak"));
        const WriteRules backupRules{gameFolder, true, stampOf(path)};
        if (QString error = writeFileAtomically(backup, old, openFile, backupRules);
            !error.isEmpty())
            return error;
    }

    const std::unique_ptr<QSaveFile> file = openFile(path);
    if (QString error = openForSaving(*file, path, rules); !error.isEmpty())
        return error;
    if (QString error = writeAll(*file, old.first(same)); !error.isEmpty())
        return error;
    for (; !slice.isEmpty(); slice = encoder.next()) {
        if (QString error = writeAll(*file, slice); !error.isEmpty())
            return error;
    }
    if (QString error = writeAll(*file, "\r\n"); !error.isEmpty())
        return error;
    if (QString error = commitReplacing(*file, path, rules); !error.isEmpty())
        return error;
    if (outcome)
        *outcome = SaveOutcome::Written;
    return {};
}

} // namespace velmora
