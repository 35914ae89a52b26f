#include "gamefiles/configfiles.h"

#include "gamefiles/autoexec.h"
#include "gamefiles/linediff.h"
#include "gamefiles/pathfile.h"
#include "gamefiles/regularfile.h"
#include "gamefiles/textcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

/// Whether `bytes` are autoexecBytes(boxText), encoded a slice at a time as Save encodes them.
bool holdsAutoexecBytes(QByteArrayView bytes, QStringView boxText)
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

/// A save file opened on `path` with every byte written, or the reason it could not be.
QString prepare(std::unique_ptr<QSaveFile> &file, const QString &path, QByteArrayView bytes,
                const SaveFileFactory &openFile)
{
    file = openFile(path);
    if (!file->open(QIODevice::WriteOnly))
        return file->errorString();
    return writeAll(*file, bytes);
}

} // namespace

SavePreview previewAutoexecSave(const QString &gameFolder, QStringView boxText)
{
    const ExistingFile previous = readExistingFile(autoexecPath(gameFolder));
    if (!previous.error.isEmpty())
        return {true, {}, previous.error};
    if (previous.exists && holdsAutoexecBytes(previous.bytes, boxText))
        return {false, {}, {}};
    // The file Save writes is the box and one more line break.
    QList<QStringView> after = textLines(boxText);
    if (boxText.isEmpty() || boxText.back() == u'\n' || boxText.back() == u'\r' ||
        boxText.back() == QChar::ParagraphSeparator || boxText.back() == QChar::LineSeparator)
        after.append(QStringView());
    const QString before = decodeLossless(previous.bytes);
    return {true, lineDiff(textLines(before), after), {}};
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
    for (const QString &place : {path, bakPath}) {
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

    std::unique_ptr<QSaveFile> restored;
    std::unique_ptr<QSaveFile> kept;
    if (QString error = prepare(restored, path, backup.bytes, openFile); !error.isEmpty())
        return error;
    if (current.exists) {
        if (QString error = prepare(kept, bakPath, current.bytes, openFile); !error.isEmpty())
            return error; // `restored` is discarded unnamed
    }
    if (QString error = commitReplacing(*restored, path); !error.isEmpty())
        return error;
    if (kept) {
        if (QString error = commitReplacing(*kept, bakPath); !error.isEmpty()) {
            // The backup's place refused the file at the last moment: the autoexec.cfg that was
            // just replaced goes back, so neither content is lost.
            (void)writeFileAtomically(path, current.bytes, openFile);
            return error;
        }
    }
    return {};
}

} // namespace velmora
