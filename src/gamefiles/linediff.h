#pragma once

#include <QByteArrayView>
#include <QStringList>

namespace velmora {

/// What turns one file's lines into another's, as the Save question lists it.
struct LineDiff
{
    /// "-" and the line for a line that leaves, "+" and the line for a line that comes, in their
    /// order, decoded as config files are (see decodeLossless()); at most the number asked for.
    QStringList lines;
    qsizetype unlisted = 0; ///< the changed lines beyond those
};

/// What turns the lines of the bytes `before` into the lines of `after`: CR LF, LF and a lone CR
/// each end a line, and bytes that end with a line break have no empty line after it. Lines both
/// keep are not listed, so a change of line ends alone lists nothing.
/// The bytes both begin and end with are passed over before anything is split into lines, so a
/// small change to a large file costs little more than comparing the two. The rest is Myers' O(ND)
/// difference in linear space; where the two differ so much that the search would take long, the
/// rest is given as all its old lines leaving and all its new lines coming, which is still a true
/// (if longer) list.
[[nodiscard]] LineDiff lineDiff(QByteArrayView before, QByteArrayView after, qsizetype mostLines);

} // namespace velmora
