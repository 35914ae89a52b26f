#pragma once

#include <QByteArrayView>
#include <QStringList>

namespace velmora {

/// The line breaks of some bytes, counted in one pass.
struct LineEnds
{
    qsizetype lf = 0;   ///< every LF
    qsizetype cr = 0;   ///< every CR
    qsizetype crLf = 0; ///< every CR directly followed by an LF

    /// Lines ended: CR LF, LF and a lone CR each end one.
    qsizetype lines() const { return lf + cr - crLf; }
    /// Whether every break is a CR LF.
    bool allCrLf() const { return lf == crLf && cr == crLf; }

    LineEnds operator+(const LineEnds &other) const
    {
        return {lf + other.lf, cr + other.cr, crLf + other.crLf};
    }
};

[[nodiscard]] LineEnds countLineEnds(QByteArrayView bytes);

/// What turns one file's lines into another's, as the Save question lists it.
struct LineDiff
{
    /// In file order: "-" and the line for a line that leaves, "+" and the line for a line that
    /// comes (a line that leaves just above the one that comes in its place), decoded as config
    /// files are (see decodeLossless()), at most the number of them asked for. With context, each
    /// hunk begins with "@@ -FIRST,COUNT +FIRST,COUNT @@" (1-based line numbers of the old and the
    /// new file) and has up to that many shared lines, " " and the line, before and after its
    /// changes.
    QStringList lines;
    qsizetype unlisted = 0; ///< the changed lines beyond those
    LineEnds endsBefore;    ///< the line breaks of the old bytes
    LineEnds endsAfter;     ///< the line breaks of the new bytes
};

/// What turns the lines of the bytes `before` into the lines of `after`: CR LF, LF and a lone CR
/// each end a line, and bytes that end with a line break have no empty line after it. Lines both
/// keep are not listed, so a change of line ends alone lists nothing; with `context` lines of
/// context, the list is a unified difference's hunks.
/// The bytes both begin and end with are passed over before anything is split into lines, so a
/// small change to a large file costs little more than comparing the two. The rest is Myers' O(ND)
/// difference in linear space; where the two differ so much that the search would take long, the
/// rest is given as all its old lines leaving and all its new lines coming, which is still a true
/// (if longer) list.
[[nodiscard]] LineDiff lineDiff(QByteArrayView before, QByteArrayView after, qsizetype mostLines,
                                int context = 0);

} // namespace velmora
