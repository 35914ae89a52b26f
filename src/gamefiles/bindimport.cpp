#include "gamefiles/bindimport.h"

#include "base/textcodec.h"
#include "console/consolelexer.h"
#include "gamefiles/fileerror.h"
#include "gamefiles/pathfile.h"
#include "gamefiles/regularfile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

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

void carry(QByteArrayView candidate, ImportResult &result)
{
    appendDecodedLossless(candidate, result.plainText);
    result.plainText.append(u'\n');
    ++result.carried;
}

/// True while a line's first bytes, blanks dropped, could still grow into a keyword: "al", "BIN".
bool couldBecomeKeyword(QByteArrayView candidate)
{
    auto isStartOf = [&](QByteArrayView keyword) {
        return candidate.size() < keyword.size() &&
               startsWithKeyword(candidate, keyword.first(candidate.size()));
    };
    return isStartOf("alias") || isStartOf("bind");
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

/// The import's pass over config.cfg, a chunk at a time. The scan goes over every byte once: the
/// search for a line's end goes on from where the previous chunk stopped, and a line that its
/// first bytes show is not carried is not kept at all, so an endless line costs neither time nor
/// memory beyond its reading. The file ends where the game's console stops reading it, at its
/// first NUL byte (a crash can leave a bind followed by zeros): nothing after it is read.
class ImportScanner
{
public:
    explicit ImportScanner(ImportResult &result)
        : m_result(result)
    {
    }

    /// Appends the next chunk of the device to what is kept, up to the script's end; the bytes
    /// read, 0 at the end, or -1.
    qint64 readChunk(QIODevice &device);
    /// Whether the script ended at a NUL byte: nothing more is to be read.
    bool endedAtNul() const { return m_endedAtNul; }
    /// Carries the lines the bytes read complete, then keeps what is needed of the unfinished one.
    void scan(bool atEnd);

private:
    /// What the first bytes of the unfinished line showed.
    enum class Open { Undecided, Carried, Skipped };

    void finishLine(qsizetype start, qsizetype end);
    /// Decides what it can of the unfinished line from `start` on; returns where to keep from.
    qsizetype settleOpenLine(qsizetype start);

    ImportResult &m_result;
    QByteArray m_buffer;
    qsizetype m_scanFrom = 0; ///< where the search for a line end goes on; kept bytes hold none
    Open m_open = Open::Undecided;
    bool m_atFileStart = true;
    bool m_afterCr = false; ///< the last chunk ended with a line's CR: an LF next is its pair
    bool m_endedAtNul = false;
};

qint64 ImportScanner::readChunk(QIODevice &device)
{
    const qsizetype kept = m_buffer.size();
    // Only a carried line grows the buffer past a chunk; it doubles, so a long one costs copies
    // of its length in all, not one per chunk.
    if (m_buffer.capacity() < kept + kChunkSize)
        m_buffer.reserve(std::max<qsizetype>(kept + kChunkSize, 2 * m_buffer.capacity()));
    m_buffer.resize(kept + kChunkSize);
    const qint64 read = device.read(m_buffer.data() + kept, kChunkSize);
    m_buffer.resize(kept + std::max<qint64>(read, 0));
    // Bytes kept from earlier chunks held no NUL, so the new ones alone tell where the script
    // ends, as the console reads it.
    if (const ConsoleLexer script(QByteArrayView(m_buffer).sliced(kept)); script.endsAtNul()) {
        m_buffer.truncate(kept + script.readable().size());
        m_endedAtNul = true;
    }
    return read;
}

void ImportScanner::scan(bool atEnd)
{
    qsizetype start = m_scanFrom;
    if (m_atFileStart) {
        if (m_buffer.size() < 3 && !atEnd)
            return; // the byte-order mark may still be on its way
        if (m_buffer.startsWith("\xEF\xBB\xBF"))
            start = 3;
        m_atFileStart = false;
    }
    if (m_afterCr && start < m_buffer.size()) {
        if (m_buffer[start] == '\n')
            ++start;
        m_afterCr = false;
    }
    // Kept bytes are the unfinished line from its start: it begins at the buffer's front.
    const qsizetype lineStart = m_scanFrom > 0 ? 0 : start;
    LineEndFinder finder(m_buffer);
    qsizetype from = lineStart;
    for (qsizetype end = finder.next(start); end >= 0; end = finder.next(start)) {
        finishLine(from, end);
        const qsizetype next = end + 1;
        if (m_buffer[end] == '\r' && next == m_buffer.size())
            m_afterCr = !atEnd;
        const bool crLf = m_buffer[end] == '\r' && next < m_buffer.size() && m_buffer[next] == '\n';
        start = from = next + (crLf ? 1 : 0);
    }
    if (atEnd) {
        // The last line of a file need not end with a line break.
        if (from < m_buffer.size())
            finishLine(from, m_buffer.size());
        m_buffer.clear();
        return;
    }
    // The unfinished line, or what is needed of it, moves to the front of the same allocation: a
    // new buffer for every chunk would cost a large allocation, and its page faults, per
    // megabyte read.
    from = settleOpenLine(from);
    const qsizetype left = m_buffer.size() - from;
    if (from > 0)
        std::memmove(m_buffer.data(), m_buffer.constData() + from, size_t(left));
    m_buffer.truncate(left);
    m_scanFrom = left;
    m_result.mostKept = std::max(m_result.mostKept, left);
}

void ImportScanner::finishLine(qsizetype start, qsizetype end)
{
    const QByteArrayView line(m_buffer.constData() + start, end - start);
    switch (std::exchange(m_open, Open::Undecided)) {
    case Open::Skipped:
        break;
    case Open::Carried:
        carry(line, m_result); // its blanks went when it was decided
        break;
    case Open::Undecided:
        if (const QByteArrayView candidate = dropLeadingBlanks(line); isCarriedLine(candidate))
            carry(candidate, m_result);
        break;
    }
}

qsizetype ImportScanner::settleOpenLine(qsizetype start)
{
    if (m_open == Open::Undecided) {
        // Blanks at a line's start are dropped anyway: a line of nothing else keeps nothing.
        const QByteArrayView tail(m_buffer.constData() + start, m_buffer.size() - start);
        const QByteArrayView candidate = dropLeadingBlanks(tail);
        start += tail.size() - candidate.size();
        if (isCarriedLine(candidate))
            m_open = Open::Carried;
        else if (!couldBecomeKeyword(candidate))
            m_open = Open::Skipped;
    }
    // A carried line is kept whole, however long; of any other, nothing but a few first bytes.
    return m_open == Open::Skipped ? m_buffer.size() : start;
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
    ImportScanner scanner(result);
    while (true) {
        const qint64 read = scanner.readChunk(device);
        if (read < 0) {
            // What was carried before the failure stays with the caller.
            result.error = device.errorString();
            return result;
        }
        const bool atEnd = read == 0 || scanner.endedAtNul();
        scanner.scan(atEnd);
        if (atEnd)
            break;
    }
    result.plainText.squeeze();
    return result;
}

ImportResult importBindsFromGame(const QString &gameFolder)
{
    QFile file(gameFile(gameFolder, QStringLiteral("config.cfg")));
    if (QString error = openRegularFile(file); !error.isEmpty()) {
        ImportResult result;
        result.error = std::move(error);
        return result;
    }
    ImportResult result = importBinds(file);
    if (!result.error.isEmpty())
        result.error = fileErrorText(errorReasonOf(result.error, errno), file.fileName());
    return result;
}

} // namespace velmora
