#pragma once

#include <QList>
#include <QString>

namespace velmora::bench {

/// The "steam" figure: the chooser's search for the Half-Life folder on a fake home with three
/// Steam roots and eight more libraries, the game in the last library searched; its floor reads
/// the same Steam files and nothing else. Each run is the mean of one batch of searches, in
/// microseconds. Returns a note for the figure; it says "does not" when the search went wrong.
QString measureSteamSearch(const QString &scratch, int runs, QList<double> &searchRuns,
                           QList<double> &floorRuns);

} // namespace velmora::bench
