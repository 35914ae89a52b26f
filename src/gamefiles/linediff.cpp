#include "gamefiles/linediff.h"

#include <QHash>

#include <span>
#include <vector>

namespace velmora {

namespace {

/// How many rounds of the search all the parts of one difference may take together before the
/// rest is given as replaced whole: some ten million line comparisons at most.
constexpr qsizetype kRoundBudget = 4000;

using Lines = std::span<const int>;

class Differ
{
public:
    /// The lines both texts begin and end with are passed over as views; the others become
    /// numbers, equal lines the same number, so comparing two is one comparison.
    Differ(const QList<QStringView> &before, const QList<QStringView> &after)
    {
        qsizetype end = qMin(before.size(), after.size());
        while (m_first < end && before[m_first] == after[m_first])
            ++m_first;
        end -= m_first;
        qsizetype tail = 0;
        while (tail < end && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        QHash<QStringView, int> ids;
        auto number = [&](const QList<QStringView> &lines, std::vector<int> &out) {
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
        diff(0, qsizetype(m_a.size()), 0, qsizetype(m_b.size()));
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

    qsizetype m_first = 0; ///< lines both begin with
    std::vector<int> m_a;
    std::vector<int> m_b;
    std::vector<std::pair<bool, qsizetype>> m_edits;
    qsizetype m_rounds = 0;
};

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

QList<QStringView> textLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isLineBreak(text[i]))
            continue;
        lines.append(text.sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

QStringList lineDiff(const QList<QStringView> &before, const QList<QStringView> &after)
{
    QStringList out;
    for (const auto &[leaves, index] : Differ(before, after).run())
        out.append((leaves ? u'-' : u'+') + (leaves ? before : after)[index].toString());
    return out;
}

} // namespace velmora
