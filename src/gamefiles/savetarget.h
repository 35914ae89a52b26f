#pragma once

#include <QString>

#include <optional>

namespace velmora {

/// Whether Velmora runs with root's rights (as a desktop tool started with sudo may).
bool runsAsRoot();

/// Makes runsAsRoot() give `answer` instead of asking the system (nothing: ask it again), so the
/// rules for root and for a player can each be tried whoever runs the tests.
void setRunsAsRootForTests(std::optional<bool> answer);

/// Whether a save may write at `path` in a folder that someone else may control. For root, the
/// file the path leads to, links and folders resolved, must lie inside `trustedFolder` (the game
/// folder), and when `path` is a link, belong (or, not there yet, its folder belong) to the link's
/// owner: otherwise whoever may put a link in the game folder could have root replace or create
/// any file. A player's own links are theirs to follow. Returns an empty string, or the refusal
/// naming the path.
[[nodiscard]] QString checkWriteTarget(const QString &path, const QString &trustedFolder);

/// What a save gives the file it writes, read from what it replaces.
struct FileStamp
{
    bool known = false;
    uint mode = 0; ///< permission bits
    uint owner = 0;
    uint group = 0;
};

/// The stamp of the file at `path`, links followed; for a path where nothing stands yet, the
/// owner and group of its folder and no mode.
FileStamp stampOf(const QString &path);

/// Gives the open file `fd` the permission bits of `mode` (when it has any) and, when Velmora runs
/// as root, the owner and group of `owner`, so a save by root leaves the player's files the
/// player's. Returns an empty string, or the system's reason for `path`.
[[nodiscard]] QString applyStamp(int fd, const FileStamp &mode, const FileStamp &owner,
                                 const QString &path);

} // namespace velmora
