#pragma once

#include "gamefiles/linediff.h"

#include <QByteArrayView>
#include <QList>

#include <utility>
#include <vector>

namespace velmora {

/// Lists the edits between the lines `a` and `b` (true and the index in `a` for a line that
/// leaves, false and the index in `b` for one that comes) into `out` as lineDiff() gives them:
/// `a`'s first line is line `firstNumber` of the old file, `context` shared lines stand around
/// each change (0: no hunk headers, no shared lines), and no more than `mostLines` changed lines
/// are listed.
void writeHunks(const QList<QByteArrayView> &a, const QList<QByteArrayView> &b,
                const std::vector<std::pair<bool, qsizetype>> &edits, qsizetype firstNumber,
                int context, qsizetype mostLines, LineDiff &out);

} // namespace velmora
