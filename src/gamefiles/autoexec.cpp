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

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

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

} // namespace

QByteArray AutoexecBytes(QStringView boxText)
{
    QString text;
    text.reserve(boxText.size() + boxText.size() / 16 + 2);
    for (qsizetype i = 0; i < boxText.size(); ++i) {
        const QChar c = boxText[i];
        if (!isLineBreak(c)) {
            text.append(c);
            continue;
        }
        if (c == u'\r' && i + 1 < boxText.size() && boxText[i + 1] == u'\n')
            ++i;
        text.append(QLatin1StringView("\r\n"));
    }
    text.append(QLatin1StringView("\r\n"));
    return EncodeLossless(text);
}

QString SaveAutoexec(const QString &gameFolder, QStringView boxText)
{
    return SaveAutoexec(gameFolder, boxText,
                        [](const QString &path) { return std::make_unique<QSaveFile>(path); });
}

QString SaveAutoexec(const QString &gameFolder, QStringView boxText,
                     const SaveFileFactory &openFile)
{
    const QString path = GameFile(gameFolder, QStringLiteral("autoexec.cfg"));
    if (const QString refusal = refuseProtectedFile(path); !refusal.isEmpty())
        return refusal;

    const QByteArray bytes = AutoexecBytes(boxText);
    const std::unique_ptr<QSaveFile> file = openFile(path);
    if (!file->open(QIODevice::WriteOnly))
        return file->errorString();
    // A write that stops short (the disk filled part-way) sets no error; writing the rest then
    // fails with the system's reason, which is what the player is told.
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 n = file->write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString error = file->errorString();
            file->cancelWriting();
            return error;
        }
        written += n;
    }
    if (!file->commit())
        return file->errorString();
    return {};
}

} // namespace velmora
