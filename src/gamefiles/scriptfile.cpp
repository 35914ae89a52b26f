#include "gamefiles/scriptfile.h"

#include "gamefiles/fileerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>

namespace velmora {

namespace {

constexpr qint64 kChunkBytes = qint64(1) << 20;

QString tooLarge(const QString &path)
{
    return QCoreApplication::translate(
               "GameFiles", "Файл %1 больше %2 МБ: это не конфиг игры, и Velmora не "
                            "читает и не изменяет его. Удалите или переместите этот файл.")
        .arg(QDir::toNativeSeparators(path))
        .arg(kScriptMaxBytes >> 20);
}

} // namespace

QString readScriptFile(QFile &file, const QString &path, QByteArray *bytes)
{
    bytes->clear();
    if (file.size() > kScriptMaxBytes)
        return tooLarge(path);
    bytes->reserve(qsizetype(file.size()) + 1);
    for (;;) {
        const qint64 room = kScriptMaxBytes + 1 - bytes->size();
        if (room <= 0)
            return tooLarge(path);
        const qsizetype kept = bytes->size();
        bytes->resize(kept + qsizetype(std::min(room, kChunkBytes)));
        const qint64 read = file.read(bytes->data() + kept, bytes->size() - kept);
        bytes->resize(kept + qsizetype(std::max<qint64>(read, 0)));
        if (read < 0)
            return fileErrorText(errorReasonOf(file.errorString(), errno), path);
        if (read == 0)
            return {};
    }
}

} // namespace velmora
