// The Save question's list of changes laid out as a unified difference's hunks.

#include "gamefiles/diffhunks.h"

#include "base/textcodec.h"

namespace velmora {

namespace {

using ByteLines = QList<QByteArrayView>;

/// Lays the edits out as hunks: each run of changes with up to `context` shared lines around it
/// (runs closer than twice that share one hunk), a line that leaves just above the line that
/// comes in its place.
class HunkWriter
{
public:
    HunkWriter(const ByteLines &a, const ByteLines &b, qsizetype firstNumber, int context,
               qsizetype mostLines, LineDiff &out)
        : m_a(a)
        , m_b(b)
        , m_first(firstNumber)
        , m_context(context)
        , m_most(mostLines)
        , m_out(out)
    {
    }

    void write(const std::vector<std::pair<bool, qsizetype>> &edits)
    {
        std::vector<bool> leaves(std::size_t(m_a.size()), false);
        std::vector<bool> comes(std::size_t(m_b.size()), false);
        for (const auto &[left, index] : edits)
            (left ? leaves : comes)[std::size_t(index)] = true;
        qsizetype i = 0, j = 0;
        while (i < m_a.size() || j < m_b.size()) {
            if ((i < m_a.size() && leaves[std::size_t(i)]) ||
                (j < m_b.size() && comes[std::size_t(j)])) {
                Change change{i, j, 0, 0};
                while (i < m_a.size() && leaves[std::size_t(i)])
                    ++i, ++change.leaving;
                while (j < m_b.size() && comes[std::size_t(j)])
                    ++j, ++change.coming;
                m_changes.push_back(change);
            } else {
                ++i, ++j;
            }
        }
        for (std::size_t c = 0; c < m_changes.size();) {
            std::size_t last = c;
            while (last + 1 < m_changes.size() &&
                   m_changes[last + 1].a - (m_changes[last].a + m_changes[last].leaving) <=
                       2 * m_context)
                ++last;
            writeHunk(c, last);
            c = last + 1;
        }
    }

private:
    struct Change
    {
        qsizetype a, b, leaving, coming;
    };

    void add(QChar mark, QByteArrayView line)
    {
        QString text = decodeLossless(line);
        text.prepend(mark);
        m_out.lines.append(text);
    }

    /// Adds a changed line while the list has room; counts it as unlisted otherwise.
    void change(QChar mark, QByteArrayView line)
    {
        if (m_listed < m_most) {
            add(mark, line);
            ++m_listed;
        } else {
            ++m_out.unlisted;
        }
    }

    void writeHunk(std::size_t from, std::size_t to)
    {
        const Change &first = m_changes[from];
        const Change &last = m_changes[to];
        const qsizetype before = qMin(qsizetype(m_context), qMin(first.a, first.b));
        const qsizetype after = qMin(qsizetype(m_context), qMin(m_a.size() - last.a - last.leaving,
                                                                m_b.size() - last.b - last.coming));
        const qsizetype a0 = first.a - before;
        const qsizetype b0 = first.b - before;
        const qsizetype aLines = last.a + last.leaving + after - a0;
        const qsizetype bLines = last.b + last.coming + after - b0;
        if (m_listed >= m_most) {
            for (std::size_t c = from; c <= to; ++c)
                m_out.unlisted += m_changes[c].leaving + m_changes[c].coming;
            return;
        }
        if (m_context > 0) {
            // An empty side is numbered by the line before it, as diff does.
            m_out.lines.append(QStringLiteral("@@ -%1,%2 +%3,%4 @@")
                                   .arg(m_first + a0 - (aLines == 0))
                                   .arg(aLines)
                                   .arg(m_first + b0 - (bLines == 0))
                                   .arg(bLines));
        }
        qsizetype shared = first.a - before;
        for (std::size_t c = from; c <= to; ++c) {
            const Change &ch = m_changes[c];
            for (; shared < ch.a && m_out.unlisted == 0; ++shared)
                add(u' ', m_a[shared]);
            for (qsizetype k = 0; k < qMax(ch.leaving, ch.coming); ++k) {
                if (k < ch.leaving)
                    change(u'-', m_a[ch.a + k]);
                if (k < ch.coming)
                    change(u'+', m_b[ch.b + k]);
            }
            shared = ch.a + ch.leaving;
        }
        if (m_out.unlisted > 0)
            return; // the list ends here
        for (; shared < last.a + last.leaving + after; ++shared)
            add(u' ', m_a[shared]);
    }

    const ByteLines &m_a;
    const ByteLines &m_b;
    qsizetype m_first;
    int m_context;
    qsizetype m_most;
    LineDiff &m_out;
    qsizetype m_listed = 0;
    std::vector<Change> m_changes;
};

} // namespace

void writeHunks(const QList<QByteArrayView> &a, const QList<QByteArrayView> &b,
                const std::vector<std::pair<bool, qsizetype>> &edits, qsizetype firstNumber,
                int context, qsizetype mostLines, LineDiff &out)
{
    HunkWriter(a, b, firstNumber, context, mostLines, out).write(edits);
}

} // namespace velmora
