#include "gamefiles/filewrite.h"

#include "gamefiles/fileerror.h"
#include "gamefiles/regularfile.h"
#include "gamefiles/scriptfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace velmora {

namespace {

QString trustedFolderOf(const QString &path, const WriteRules &rules)
{
    return rules.trustedFolder.isEmpty() ? QFileInfo(path).absolutePath() : rules.trustedFolder;
}

/// The error text of a failed operation on `file`, read before anything else can change errno.
QString failureOf(const QFileDevice &file, const QString &path)
{
    const int error = errno;
    return fileErrorText(errorReasonOf(file.errorString(), error), path);
}

/// Velmora's own file is never written through a link: the link goes, the file takes its place.
QString removeOwnLink(const QString &path)
{
    if (!QFileInfo(path).isSymLink())
        return {};
    QFile link(path);
    if (!link.remove())
        return failureOf(link, path);
    return {};
}

/// Whether the rules let a save write at `path` now.
QString checkRules(const QString &path, const WriteRules &rules)
{
    if (rules.ownFile && QFileInfo(path).isSymLink())
        return fileErrorText(
            QCoreApplication::translate("GameFiles", "На месте файла появилась ссылка"), path);
    return checkWriteTarget(path, trustedFolderOf(path, rules));
}

} // namespace

SaveFileFactory plainSaveFiles()
{
    return [](const QString &path) { return std::make_unique<QSaveFile>(path); };
}

ExistingFile readExistingFile(const QString &path)
{
    ExistingFile result;
    if (!QFileInfo::exists(path))
        return result;
    result.exists = true;
    QFile file(path);
    if (QString error = openRegularFile(file); !error.isEmpty()) {
        result.error = error;
        return result;
    }
    result.error = readScriptFile(file, path, &result.bytes);
    return result;
}

QString openForSaving(QSaveFile &file, const QString &path, const WriteRules &rules)
{
    const FileStamp like = rules.like.known ? rules.like : stampOf(path);
    // Unbuffered: QSaveFile::commit() flushes a buffer without looking at the result, so the
    // last bytes of a nearly full disk would be lost while the short file took the name.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failureOf(file, path);
    if (QString error = applyStamp(file.handle(), rules.like, like, path); !error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    return {};
}

QString writeAll(QSaveFile &file, QByteArrayView bytes)
{
    // A write that stops short (the disk filled part-way) sets no error; writing the rest then
    // fails with the reason, which is what the player is told. The file is unbuffered (see
    // openForSaving()), so no byte waits in memory for a later flush.
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.data() + written, bytes.size() - written);
        if (n <= 0) {
            const QString error = failureOf(file, file.fileName());
            file.cancelWriting();
            return error;
        }
        written += n;
    }
    return {};
}

QString writeFileAtomically(const QString &path, QByteArrayView bytes,
                            const SaveFileFactory &openFile, const WriteRules &rules)
{
    if (rules.ownFile) {
        if (QString error = removeOwnLink(path); !error.isEmpty())
            return error;
    }
    if (QString refusal = checkRules(path, rules); !refusal.isEmpty())
        return refusal;
    const std::unique_ptr<QSaveFile> file = openFile(path);
    if (QString error = openForSaving(*file, path, rules); !error.isEmpty())
        return error;
    if (QString error = writeAll(*file, bytes); !error.isEmpty())
        return error;
    return commitReplacing(*file, path, rules);
}

QString commitReplacing(QSaveFile &file, const QString &path, const WriteRules &rules)
{
    // Looked at again just before the new file takes the name: the place may have changed
    // hands while the bytes were written.
    QString refusal = checkReplaceable(path);
    if (refusal.isEmpty())
        refusal = checkRules(path, rules);
    // Every byte on the disk before the name moves: a disk that fails to store them fails here,
    // while the old file is still whole (QSaveFile's own sync ignores a failure).
    if (refusal.isEmpty() && !file.flush())
        refusal = failureOf(file, path);
#ifdef Q_OS_UNIX
    if (refusal.isEmpty() && ::fsync(file.handle()) != 0)
        refusal = fileError(path, errno);
#endif
    if (!refusal.isEmpty()) {
        file.cancelWriting();
        return refusal;
    }
    if (!file.commit())
        return failureOf(file, path);
    return {};
}

} // namespace velmora
