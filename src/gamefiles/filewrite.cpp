#include "gamefiles/filewrite.h"

#include "gamefiles/regularfile.h"
#include "gamefiles/scriptfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velmora {

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

QString writeAll(QSaveFile &file, QByteArrayView bytes)
{
    // A write that stops short (the disk filled part-way) sets no error; writing the rest then
    // fails with the reason, which is what the player is told.
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

QString writeFileAtomically(const QString &path, QByteArrayView bytes,
                            const SaveFileFactory &openFile)
{
    const std::unique_ptr<QSaveFile> file = openFile(path);
    if (!file->open(QIODevice::WriteOnly))
        return file->errorString();
    if (QString error = writeAll(*file, bytes); !error.isEmpty())
        return error;
    return commitReplacing(*file, path);
}

QString commitReplacing(QSaveFile &file, const QString &path)
{
    // Looked at again just before the new file takes the name: the place may have changed
    // hands while the bytes were written.
    if (QString refusal = checkReplaceable(path); !refusal.isEmpty()) {
        file.cancelWriting();
        return refusal;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace velmora
