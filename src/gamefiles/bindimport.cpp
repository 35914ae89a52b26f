#include "gamefiles/bindimport.h"

#include "gamefiles/pathfile.h"
#include "gamefiles/textcodec.h"

#include <QFile>

#include <cstring>

namespace velmora {

namespace {

constexpr qint64 kChunkSize = 1 << 20;

QByteArrayView dropLeadingBlanks(QByteArrayView line)
{
    qsizetype i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    return line.sliced(i);
}

bool startsWithKeyword(QByteArrayView line, QByteArrayView keyword)
{
    if (line.size() < keyword.size())
        return false;
    for (qsizetype i = 0; i < keyword.size(); ++i) {
        char c = line[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != keyword[i])
            return false;
    }
    return true;
}

/// Finds line ends in a buffer without rescanning: the next CR and the next LF are each searched
/// for once and remembered until the scan passes them, so a file without CRs costs one search.
class LineEndFinder
{
public:
    explicit LineEndFinder(QByteArrayView buffer)
        : m_data(buffer.data())
        , m_size(buffer.size())
    {
    }

    /// Position of the first CR or LF at or after `from`, or -1.
    qsizetype next(qsizetype from)
    {
        if (m_nextCr < from)
            m_nextCr = find('\r', from);
        if (m_nextLf < from)
            m_nextLf = find('\n', from);
        if (m_nextCr == m_size && m_nextLf == m_size)
            return -1;
        return std::min(m_nextCr, m_nextLf);
    }

private:
    qsizetype find(char c, qsizetype from) const
    {
        const void *hit = std::memchr(m_data + from, c, size_t(m_size - from));
        return hit ? static_cast<const char *>(hit) - m_data : m_size;
    }

    const char *m_data;
    qsizetype m_size;
    qsizetype m_nextCr = -1;
    qsizetype m_nextLf = -1;
};

void carryIfBindOrAlias(QByteArrayView line, QStringList &lines)
{
    const QByteArrayView candidate = dropLeadingBlanks(line);
    if (IsCarriedLine(candidate))
        lines.append(DecodeLossless(candidate));
}

} // namespace

QString ImportResult::text() const
{
    qsizetype length = 0;
    for (const QString &line : lines)
        length += line.size() + 2;
    QString joined;
    joined.reserve(length);
    for (const QString &line : lines) {
        joined.append(line);
        joined.append(QLatin1StringView("\r\n"));
    }
    return joined;
}

bool IsCarriedLine(QByteArrayView line)
{
    const QByteArrayView candidate = dropLeadingBlanks(line);
    return startsWithKeyword(candidate, "alias") || startsWithKeyword(candidate, "bind");
}

ImportResult ImportBinds(QIODevice &device)
{
    ImportResult result;
    QByteArray buffer;
    bool atFileStart = true;
    bool atEnd = false;

    while (!atEnd) {
        const qsizetype kept = buffer.size();
        buffer.resize(kept + kChunkSize);
        const qint64 read = device.read(buffer.data() + kept, kChunkSize);
        if (read < 0) {
            // What was carried before the failure stays with the caller.
            result.error = device.errorString();
            return result;
        }
        buffer.resize(kept + read);
        atEnd = read == 0;

        qsizetype start = 0;
        if (atFileStart && (buffer.size() >= 3 || atEnd)) {
            if (buffer.startsWith("\xEF\xBB\xBF"))
                start = 3;
            atFileStart = false;
        }
        if (atFileStart)
            continue;

        LineEndFinder finder(buffer);
        while (start < buffer.size()) {
            const qsizetype end = finder.next(start);
            if (end < 0)
                break;
            // A CR as the last byte read may be the first half of CR LF: wait for the next chunk.
            if (buffer[end] == '\r' && end + 1 == buffer.size() && !atEnd)
                break;
            carryIfBindOrAlias(QByteArrayView(buffer.constData() + start, end - start),
                               result.lines);
            const bool crLf =
                buffer[end] == '\r' && end + 1 < buffer.size() && buffer[end + 1] == '\n';
            start = end + (crLf ? 2 : 1);
        }
        if (atEnd && start < buffer.size()) {
            // The last line of a file need not end with a line break.
            carryIfBindOrAlias(QByteArrayView(buffer.constData() + start, buffer.size() - start),
                               result.lines);
            start = buffer.size();
        }
        // The unfinished line moves to the front of the same allocation: a new buffer for every
        // chunk would cost a large allocation, and its page faults, per megabyte read.
        if (start > 0) {
            const qsizetype left = buffer.size() - start;
            std::memmove(buffer.data(), buffer.constData() + start, size_t(left));
            buffer.truncate(left);
        }
    }
    return result;
}

ImportResult ImportBindsFromGame(const QString &gameFolder)
{
    QFile file(GameFile(gameFolder, QStringLiteral("config.cfg")));
    if (!file.open(QIODevice::ReadOnly)) {
        ImportResult result;
        result.error = file.errorString();
        return result;
    }
    return ImportBinds(file);
}

} // namespace velmora
