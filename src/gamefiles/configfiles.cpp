#include "gamefiles/configfiles.h"

#include "base/textcodec.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/fileerror.h"
#include "gamefiles/linediff.h"
#include "gamefiles/pathfile.h"
#include "gamefiles/regularfile.h"
#include "gamefiles/savetarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace velmora {

namespace {

QString noBackupText()
{
    return QCoreApplication::translate("GameFiles",
                                       "Прежнего autoexec.cfg нет: в папке cstrike нет файла "
                                       "autoexec.cfg.bak.");
}

QString autoexecPath(const QString &gameFolder)
{
    return gameFile(gameFolder, QStringLiteral("autoexec.cfg"));
}

QString backupPath(const QString &gameFolder)
{
    return gameFile(gameFolder, QStringLiteral("autoexec.cfg.bak"));
}

/// Whether two paths name one file, links followed; a file not yet there by its cleaned path.
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath());
}

/// A save file opened on `path` the way every save opens one, with every byte written, or the
/// reason it could not be.
QString prepare(std::unique_ptr<QSaveFile> &file, const QString &path, QByteArrayView bytes,
                const SaveFileFactory &openFile, const WriteRules &rules)
{
    file = openFile(path);
    if (QString error = openForSaving(*file, path, rules); !error.isEmpty())
        return error;
    return writeAll(*file, bytes);
}

} // namespace

SavePreview previewAutoexecSave(const QString &gameFolder, QStringView boxText, qsizetype mostLines)
{
    const ExistingFile previous = readExistingFile(autoexecPath(gameFolder));
    if (!previous.error.isEmpty())
        return {true, {}, 0, previous.error};
    // The box is encoded a slice at a time, as Save encodes it. Slices equal to the file's bytes
    // are only counted: a box saved before and changed a little is nearly all such slices.
    const QByteArrayView old(previous.bytes);
    LosslessEncoder encoder(boxText, LineBreaks::CrLf);
    qsizetype same = 0;
    QByteArrayView slice = encoder.next();
    for (; !slice.isEmpty() && old.sliced(same).startsWith(slice); slice = encoder.next())
        same += slice.size();
    // The rest of the bytes Save writes, from the start of the line they differ in.
    const qsizetype start = old.first(same).lastIndexOf('\n') + 1;
    QByteArray rest = old.sliced(start, same - start).toByteArray();
    for (; !slice.isEmpty(); slice = encoder.next())
        rest.append(slice);
    rest.append("\r\n", 2);
    if (previous.exists && old.sliced(start) == rest)
        return {false, {}, 0, {}};
    LineDiff diff = lineDiff(old.sliced(start), rest, mostLines);
    return {true, std::move(diff.lines), diff.unlisted, {}};
}

ConfigFileText readConfigFile(const QString &path)
{
    QFile file(path);
    if (QString error = openRegularFile(file); !error.isEmpty())
        return {{}, error};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return {decodeLossless(bytes), {}};
}

QString saveConfigFile(const QString &gameFolder, const QString &path, QStringView boxText,
                       const SaveFileFactory &openFile)
{
    if (!gameFolder.isEmpty() && sameFile(path, autoexecPath(gameFolder)))
        return saveAutoexec(gameFolder, boxText, openFile);
    if (QString refusal = checkReplaceable(path); !refusal.isEmpty())
        return refusal;
    return writeFileAtomically(path, autoexecBytes(boxText), openFile);
}

QString checkAutoexecBackup(const QString &gameFolder)
{
    const QString path = backupPath(gameFolder);
    if (!QFileInfo::exists(path))
        return noBackupText();
    return checkReplaceable(path);
}

QString restoreAutoexec(const QString &gameFolder, const SaveFileFactory &openFile)
{
    const QString path = autoexecPath(gameFolder);
    const QString bakPath = backupPath(gameFolder);
    // The rules of Save hold for both files: run as root, nothing is read or written through a
    // link that leads out of the game folder or to another user's file.
    for (const QString &place : {path, bakPath}) {
        if (QString refusal = checkWriteTarget(place, gameFolder); !refusal.isEmpty())
            return refusal;
        if (QString refusal = checkReplaceable(place); !refusal.isEmpty())
            return refusal;
    }
    if (QString missing = checkAutoexecBackup(gameFolder); !missing.isEmpty())
        return missing;
    const ExistingFile backup = readExistingFile(bakPath);
    if (!backup.error.isEmpty())
        return backup.error;
    const ExistingFile current = readExistingFile(path);
    if (!current.error.isEmpty())
        return current.error;
    if (current.exists && current.bytes == backup.bytes)
        return {};

    // The backup is Velmora's own file, as private as the script it keeps, as Save writes it.
    const WriteRules rules{gameFolder, false, {}};
    const WriteRules backupRules{gameFolder, true, stampOf(path)};
    std::unique_ptr<QSaveFile> restored;
    std::unique_ptr<QSaveFile> kept;
    if (QString error = prepare(restored, path, backup.bytes, openFile, rules); !error.isEmpty())
        return error;
    if (current.exists) {
        // A link in the backup's place is replaced, never written through.
        if (QFileInfo(bakPath).isSymLink() && !QFile::remove(bakPath))
            return fileError(bakPath, errno);
        if (QString error = prepare(kept, bakPath, current.bytes, openFile, backupRules);
            !error.isEmpty())
            return error; // `restored` is discarded unnamed
    }
    if (QString error = commitReplacing(*restored, path, rules); !error.isEmpty())
        return error;
    if (kept) {
        if (QString error = commitReplacing(*kept, bakPath, backupRules); !error.isEmpty()) {
            // The backup's place refused the file at the last moment: the autoexec.cfg that was
            // just replaced goes back, so neither content is lost.
            (void)writeFileAtomically(path, current.bytes, openFile, rules);
            return error;
        }
    }
    return {};
}

} // namespace velmora
