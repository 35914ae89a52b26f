#pragma once

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>

namespace velmora {

/// Half-Life's app number in Steam; Counter-Strike (app 10) lives in the same folder.
inline constexpr int kHalfLifeApp = 70;
/// A Steam install names no more libraries than this; the rest of an odd file is ignored.
inline constexpr int kSteamMaxLibraries = 64;
/// How long the chooser waits for the search before it opens without it, in ms. A search over
/// real Steam files takes well under a millisecond; one that files written to slow it down (a
/// folder of a million entries named again and again) would stretch stops here.
inline constexpr int kSteamSearchMs = 500;

/// The Steam roots below a home folder, in the order they are searched: ~/.steam/steam,
/// ~/.steam/root, ~/.local/share/Steam, the Flatpak's and the Snap's. Each real folder is listed
/// once, by the first of these paths that leads to it (links followed); roots that do not exist
/// are left out.
QStringList steamRoots(const QString &home);

/// The libraries of a Steam root: the root itself, then those that its libraryfolders.vdf files
/// (below steamapps/, then config/) name, in the files' order, as the files name them. Only
/// libraries with a steamapps folder count, each real folder once; missing ones, relative paths
/// and loops of links are left out. A path named again is passed over before anything is looked
/// up, and no more than kSteamMaxLibraries different paths count.
QStringList steamLibraries(const QString &root);

/// The Half-Life folder that Steam knows of below a home folder: the first library, roots in
/// steamRoots() order and each root's libraries in steamLibraries() order, that has the game.
/// The real folder, links resolved, in native form; empty when there is none, or when the
/// deadline passes first.
QString findSteamGameFolder(const QString &home,
                            QDeadlineTimer deadline = QDeadlineTimer(kSteamSearchMs));

} // namespace velmora
