#pragma once

#include <QString>
#include <QList>
#include <QStringList>
#include <QStringView>

namespace velmora {

/// The lines of a text, as views into it: CR LF, LF, a lone CR, U+2028 and U+2029 each end one,
/// and a text that ends with a line break has no empty line after it.
QList<QStringView> textLines(QStringView text);

/// What turns the lines `before` into the lines `after`, in their order: "-" and the line for a
/// line that leaves, "+" and the line for a line that comes; lines both keep are not listed.
/// Myers' O(ND) difference in linear space: a small change to a large file is found at once.
/// Where the two differ so much that the search would take long, the rest is given as all its
/// old lines leaving and all its new lines coming, which is still a true (if longer) list.
QStringList lineDiff(const QList<QStringView> &before, const QList<QStringView> &after);

} // namespace velmora
