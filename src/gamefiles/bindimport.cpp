#include "gamefiles/bindimport.h"

#include "gamefiles/pathfile.h"
#include "gamefiles/textcodec.h"

#include <QFile>

#include <algorithm>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

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

void carryIfBindOrAlias(QByteArrayView line, ImportResult &result)
{
    const QByteArrayView candidate = dropLeadingBlanks(line);
    if (!isCarriedLine(candidate))
        return;
    appendDecodedLossless(candidate, result.plainText);
    result.plainText.append(u'\n');
    ++result.carried;
}

/// Reserves room for the text decoded from `bytes` bytes (no byte gives more than one UTF-16
/// unit). On Linux the room is offered transparent huge pages: a large config.cfg decodes into
/// tens of megabytes, and faulting them in 4 KiB at a time cost more than the scan itself.
/// What the carried lines leave unused is given back when the scan ends.
void reserveText(QString &text, qint64 bytes)
{
    constexpr qint64 kMostReserved = qint64(1) << 26; // past that, the string grows as it fills
    text.reserve(qsizetype(std::min(bytes, kMostReserved)));
#ifdef Q_OS_LINUX
    constexpr quintptr kHugePage = quintptr(2) << 20;
    const auto begin = reinterpret_cast<quintptr>(text.data());
    const quintptr end = begin + quintptr(text.capacity()) * sizeof(QChar);
    const quintptr alignedBegin = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const quintptr alignedEnd = end & ~(kHugePage - 1);
    if (alignedEnd > alignedBegin) // advice only: where it is refused, small pages serve
        madvise(reinterpret_cast<void *>(alignedBegin), alignedEnd - alignedBegin, MADV_HUGEPAGE);
#endif
}

} // namespace

QStringList ImportResult::lines() const
{
    QStringList list = plainText.split(u'\n');
    list.removeLast(); // what follows the last line feed
    return list;
}

QString ImportResult::text() const
{
    QString joined = plainText;
    joined.replace(u'\n', QLatin1StringView("\r\n"));
    return joined;
}

bool isCarriedLine(QByteArrayView line)
{
    const QByteArrayView candidate = dropLeadingBlanks(line);
    return startsWithKeyword(candidate, "alias") || startsWithKeyword(candidate, "bind");
}

ImportResult importBinds(QIODevice &device)
{
    ImportResult result;
    if (!device.isSequential())
        reserveText(result.plainText, device.size() - device.pos());
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
            carryIfBindOrAlias(QByteArrayView(buffer.constData() + start, end - start), result);
            const bool crLf =
                buffer[end] == '\r' && end + 1 < buffer.size() && buffer[end + 1] == '\n';
            start = end + (crLf ? 2 : 1);
        }
        if (atEnd && start < buffer.size()) {
            // The last line of a file need not end with a line break.
            carryIfBindOrAlias(QByteArrayView(buffer.constData() + start, buffer.size() - start),
                               result);
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
    result.plainText.squeeze();
    return result;
}

ImportResult importBindsFromGame(const QString &gameFolder)
{
    QFile file(gameFile(gameFolder, QStringLiteral("config.cfg")));
    if (!file.open(QIODevice::ReadOnly)) {
        ImportResult result;
        result.error = file.errorString();
        return result;
    }
    return importBinds(file);
}

} // namespace velmora
