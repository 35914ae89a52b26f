#include "gamefiles/linediff.h"

#include "gamefiles/diffhunks.h"

#include "base/textcodec.h"

#include <QHash>
#include <QList>

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

namespace velmora {

namespace {

/// How many rounds of the search all the parts of one difference may take together before the
/// rest is given as replaced whole: some ten million line comparisons at most.
constexpr qsizetype kRoundBudget = 4000;

using Lines = std::span<const int>;
using ByteLines = QList<QByteArrayView>;

class Differ
{
public:
    /// The lines both texts begin and end with are passed over as views; the others become
    /// numbers, equal lines the same number, so comparing two is one comparison.
    Differ(const ByteLines &before, const ByteLines &after)
    {
        qsizetype end = qMin(before.size(), after.size());
        while (m_first < end && before[m_first] == after[m_first])
            ++m_first;
        end -= m_first;
        qsizetype tail = 0;
        while (tail < end && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        m_countA = before.size() - m_first - tail;
        m_countB = after.size() - m_first - tail;
        // With nothing left on one side, every line left on the other is an edit: none is compared.
        if (m_countA == 0 || m_countB == 0)
            return;
        QHash<QByteArrayView, int> ids;
        auto number = [&](const ByteLines &lines, std::vector<int> &out) {
            out.reserve(lines.size() - m_first - tail);
            for (qsizetype i = m_first; i < lines.size() - tail; ++i) {
                auto it = ids.constFind(lines[i]);
                if (it == ids.constEnd())
                    it = ids.insert(lines[i], int(ids.size()));
                out.push_back(it.value());
            }
        };
        number(before, m_a);
        number(after, m_b);
    }

    /// The edits: true and the index in `before` for a line that leaves, false and the index in
    /// `after` for one that comes.
    std::vector<std::pair<bool, qsizetype>> run()
    {
        diff(0, m_countA, 0, m_countB);
        for (auto &edit : m_edits)
            edit.second += m_first;
        return std::move(m_edits);
    }

private:
    void replaceAll(qsizetype a0, qsizetype a1, qsizetype b0, qsizetype b1)
    {
        for (qsizetype i = a0; i < a1; ++i)
            m_edits.emplace_back(true, i);
        for (qsizetype j = b0; j < b1; ++j)
            m_edits.emplace_back(false, j);
    }

    void diff(qsizetype a0, qsizetype a1, qsizetype b0, qsizetype b1)
    {
        while (a0 < a1 && b0 < b1 && m_a[a0] == m_b[b0])
            ++a0, ++b0;
        while (a0 < a1 && b0 < b1 && m_a[a1 - 1] == m_b[b1 - 1])
            --a1, --b1;
        if (a0 == a1 || b0 == b1) {
            replaceAll(a0, a1, b0, b1);
            return;
        }
        qsizetype x = 0;
        qsizetype y = 0;
        if (!middle(Lines(m_a).subspan(a0, a1 - a0), Lines(m_b).subspan(b0, b1 - b0), x, y)) {
            replaceAll(a0, a1, b0, b1);
            return;
        }
        diff(a0, a0 + x, b0, b0 + y);
        diff(a0 + x, a1, b0 + y, b1);
    }

    /// Searches from both corners at once until the two paths meet; (x, y) is then a point of a
    /// shortest edit path. False when the budget ran out first.
    bool middle(Lines a, Lines b, qsizetype &x, qsizetype &y)
    {
        const qsizetype n = qsizetype(a.size());
        const qsizetype m = qsizetype(b.size());
        const qsizetype maxD = (n + m + 1) / 2;
        const qsizetype offset = maxD + 1;
        std::vector<qsizetype> forward(2 * offset + 2, -1);
        std::vector<qsizetype> backward(2 * offset + 2, -1);
        forward[offset + 1] = 0;
        backward[offset + 1] = 0;
        const qsizetype delta = n - m;
        const bool odd = delta % 2 != 0;
        // Diagonals whose paths ran off the grid's right or bottom edge are not extended again.
        qsizetype fStart = 0, fEnd = 0, bStart = 0, bEnd = 0;
        for (qsizetype d = 0; d < maxD; ++d) {
            if (++m_rounds > kRoundBudget)
                return false;
            for (qsizetype k = -d + fStart; k <= d - fEnd; k += 2) {
                const qsizetype at = offset + k;
                qsizetype x1 = (k == -d || (k != d && forward[at - 1] < forward[at + 1]))
                                   ? forward[at + 1]
                                   : forward[at - 1] + 1;
                qsizetype y1 = x1 - k;
                while (x1 < n && y1 < m && a[x1] == b[y1])
                    ++x1, ++y1;
                forward[at] = x1;
                if (x1 > n) {
                    fEnd += 2;
                } else if (y1 > m) {
                    fStart += 2;
                } else if (odd) {
                    const qsizetype other = offset + delta - k;
                    if (other >= 0 && other < qsizetype(backward.size()) && backward[other] != -1 &&
                        x1 >= n - backward[other]) {
                        x = x1;
                        y = y1;
                        return true;
                    }
                }
            }
            // The backward paths run over the reversed lines, from the far corner.
            for (qsizetype k = -d + bStart; k <= d - bEnd; k += 2) {
                const qsizetype at = offset + k;
                qsizetype x2 = (k == -d || (k != d && backward[at - 1] < backward[at + 1]))
                                   ? backward[at + 1]
                                   : backward[at - 1] + 1;
                qsizetype y2 = x2 - k;
                while (x2 < n && y2 < m && a[n - x2 - 1] == b[m - y2 - 1])
                    ++x2, ++y2;
                backward[at] = x2;
                if (x2 > n) {
                    bEnd += 2;
                } else if (y2 > m) {
                    bStart += 2;
                } else if (!odd) {
                    const qsizetype other = offset + delta - k;
                    if (other >= 0 && other < qsizetype(forward.size()) && forward[other] != -1) {
                        const qsizetype x1 = forward[other];
                        if (x1 >= n - x2) {
                            x = x1;
                            y = x1 - (other - offset);
                            return true;
                        }
                    }
                }
            }
        }
        return false;
    }

    qsizetype m_first = 0;  ///< lines both begin with
    qsizetype m_countA = 0; ///< lines of `before` between those it shares at both ends
    qsizetype m_countB = 0;
    std::vector<int> m_a;
    std::vector<int> m_b;
    std::vector<std::pair<bool, qsizetype>> m_edits;
    qsizetype m_rounds = 0;
};

/// The lines of `bytes` as views into them (see lineDiff()).
ByteLines byteLines(QByteArrayView bytes)
{
    ByteLines lines;
    const char *at = bytes.data();
    const char *const end = at + bytes.size();
    while (at < end) {
        const auto *lf = static_cast<const char *>(std::memchr(at, '\n', end - at));
        const char *lineEnd = lf ? lf : end;
        if (lf && lf > at && lf[-1] == '\r')
            --lineEnd; // a CR LF ends one line
        // Lone CRs before it end lines of their own.
        while (const void *cr = std::memchr(at, '\r', lineEnd - at)) {
            lines.append(QByteArrayView(at, static_cast<const char *>(cr)));
            at = static_cast<const char *>(cr) + 1;
        }
        if (!lf) {
            if (at < end)
                lines.append(QByteArrayView(at, end));
            break;
        }
        lines.append(QByteArrayView(at, lineEnd));
        at = lf + 1;
    }
    return lines;
}

/// Bytes compared a block at a time before the byte that differs is looked for: a box saved
/// before and changed a little is megabytes of equal bytes, which Save's figure compares in a
/// moment this way and not byte by byte.
constexpr qsizetype kBlock = 4096;

qsizetype commonPrefix(QByteArrayView a, QByteArrayView b)
{
    const qsizetype end = qMin(a.size(), b.size());
    qsizetype n = 0;
    while (end - n >= kBlock && std::memcmp(a.data() + n, b.data() + n, kBlock) == 0)
        n += kBlock;
    while (n < end && a[n] == b[n])
        ++n;
    return n;
}

/// How many bytes `a` and `b` end with alike, no more than `most`.
qsizetype commonSuffix(QByteArrayView a, QByteArrayView b, qsizetype most)
{
    qsizetype n = 0;
    while (most - n >= kBlock && std::memcmp(a.data() + a.size() - n - kBlock,
                                             b.data() + b.size() - n - kBlock, kBlock) == 0)
        n += kBlock;
    while (n < most && a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    return n;
}

bool beginsLine(QByteArrayView bytes, qsizetype at)
{
    return at == 0 || bytes[at - 1] == '\n';
}

/// How many bytes `before` and `after` end with that are whole lines of both, when they begin
/// with `same` equal bytes (which the end does not reach into).
qsizetype sharedEnd(QByteArrayView before, QByteArrayView after, qsizetype same)
{
    const qsizetype equal = commonSuffix(before, after, qMin(before.size(), after.size()) - same);
    if (beginsLine(before, before.size() - equal) && beginsLine(after, after.size() - equal))
        return equal;
    // Otherwise the lines after the first LF among the equal bytes.
    const qsizetype lf = before.indexOf('\n', before.size() - equal);
    return lf < 0 ? 0 : before.size() - lf - 1;
}

QByteArrayView firstLine(QByteArrayView bytes)
{
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
        ++end;
    return bytes.first(end);
}

/// Whether all the lines of one side begin the other side and the other's next line is the
/// first of the end both share: lines compared one by one would then take it as shared beginning.
bool beginningRunsIntoEnd(const ByteLines &a, const ByteLines &b, QByteArrayView end)
{
    const qsizetype shorter = qMin(a.size(), b.size());
    if (a.size() == b.size() || !std::equal(a.begin(), a.begin() + shorter, b.begin()))
        return false;
    return (a.size() > b.size() ? a : b)[shorter] == firstLine(end);
}

/// The last `most` lines of `bytes`, which end with a line break.
ByteLines lastLines(QByteArrayView bytes, qsizetype most)
{
    qsizetype from = bytes.size();
    for (qsizetype i = 0; i <= most && from > 0; ++i)
        from = bytes.first(from - 1).lastIndexOf('\n') + 1;
    ByteLines lines = byteLines(bytes.sliced(from));
    return lines.mid(qMax(qsizetype(0), lines.size() - most));
}

/// The first `most` lines of `bytes`.
ByteLines firstLines(QByteArrayView bytes, qsizetype most)
{
    qsizetype to = 0;
    for (qsizetype i = 0; i < most && to < bytes.size(); ++i) {
        const qsizetype lf = bytes.indexOf('\n', to);
        to = lf < 0 ? bytes.size() : lf + 1;
    }
    ByteLines lines = byteLines(bytes.first(to));
    lines.resize(qMin(most, lines.size()));
    return lines;
}

} // namespace

LineEnds countLineEnds(QByteArrayView bytes)
{
    // Counted in blocks of a fixed size into byte-wide counters (a block of 128 cannot overflow
    // them), a loop the compiler turns into vector instructions at -O2: the Save question counts
    // the megabytes it passes over in a fraction of a millisecond this way, six times faster than
    // with int counters and more than that against a byte-by-byte count (bench/README.md).
    constexpr qsizetype kStep = 128;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    LineEnds ends;
    qsizetype i = 0;
    for (; i + kStep < n; i += kStep) {
        unsigned char lf = 0, cr = 0, crLf = 0;
        for (qsizetype j = i; j < i + kStep; ++j) {
            lf += p[j] == '\n';
            cr += p[j] == '\r';
            crLf += (p[j] == '\r') & (p[j + 1] == '\n');
        }
        ends.lf += lf;
        ends.cr += cr;
        ends.crLf += crLf;
    }
    for (; i < n; ++i) {
        ends.lf += p[i] == '\n';
        ends.cr += p[i] == '\r';
        ends.crLf += p[i] == '\r' && i + 1 < n && p[i + 1] == '\n';
    }
    return ends;
}

LineDiff lineDiff(QByteArrayView before, QByteArrayView after, qsizetype mostLines, int context)
{
    // Whole lines the bytes both begin with are passed over: up to the last LF among the equal
    // bytes (a CR there may yet be followed by an LF on one side only).
    const qsizetype same = commonPrefix(before, after);
    const qsizetype start = before.first(same).lastIndexOf('\n') + 1;
    const QByteArrayView passed = before.first(start);
    before = before.sliced(start);
    after = after.sliced(start);
    // The line breaks of the bytes passed over are counted once for both sides: a break cannot
    // straddle the cut, which follows an LF.
    const LineEnds shared = countLineEnds(passed);
    const qsizetype tail = sharedEnd(before, after, same - start);
    ByteLines a = byteLines(before.chopped(tail));
    ByteLines b = byteLines(after.chopped(tail));
    // Where line ends differ, the lines both begin with may run on past the equal bytes into the
    // end passed over, and the list would pick other (if as few) lines than a comparison of the
    // lines does. The rest is then compared whole, so the list is always that of the lines.
    ByteLines ending;
    if (tail > 0 && beginningRunsIntoEnd(a, b, before.last(tail))) {
        a = byteLines(before);
        b = byteLines(after);
    } else if (context > 0) {
        ending = firstLines(before.last(tail), context);
    }

    std::vector<std::pair<bool, qsizetype>> edits = Differ(a, b).run();
    // The hunks' shared lines around the part compared: a few of those passed over.
    const ByteLines opening = context > 0 ? lastLines(passed, context) : ByteLines();
    if (!opening.isEmpty() || !ending.isEmpty()) {
        a = opening + a + ending;
        b = opening + b + ending;
        for (auto &edit : edits)
            edit.second += opening.size();
    }
    LineDiff out;
    out.endsBefore = shared + countLineEnds(before);
    out.endsAfter = shared + countLineEnds(after);
    // Only the lines listed are decoded into text.
    writeHunks(a, b, edits, shared.lines() - opening.size() + 1, context,
               qMax(mostLines, qsizetype(0)), out);
    return out;
}

} // namespace velmora
