#pragma once

#include <QByteArray>
#include <QString>

namespace velmora {

/// The largest game script (autoexec.cfg, userconfig.cfg) Velmora reads before it replaces or
/// extends it. The engine has no bound of its own short of 2 GiB: `exec` takes the file's size as
/// a signed 32-bit count (a file of 2 GiB or more never runs) and reads the whole file into one
/// block of its 32-bit process, running it a line at a time once it outgrows the command buffer.
/// So the bound is Velmora's: the scripts the game writes and runs are tens of KiB (config.cfg,
/// the source of the box's binds, holds a few hundred lines), and even a box of 200,000 lines
/// saves to under 10 MiB; 64 MiB is far past any script a player keeps, yet small enough to hold
/// twice in memory, compare and copy to the backup in a moment. A larger file is refused unread,
/// so no sparse file of gigabytes is ever read whole, nor copied to a backup of its size.
inline constexpr qint64 kScriptMaxBytes = qint64(64) << 20;

/// Reads the open file `fd` at `path` whole when it holds no more than `limit` bytes: its size is
/// looked at first, and no more than `limit` + 1 bytes are ever read, even from a file that grows
/// meanwhile. Returns an empty string, the system's reason for a failed read, or the refusal of a
/// larger file, which names it.
[[nodiscard]] QString readBoundedFile(int fd, const QString &path, QByteArray *bytes, qint64 limit);

/// readBoundedFile() of a game script: no more than kScriptMaxBytes.
[[nodiscard]] QString readScriptFile(int fd, const QString &path, QByteArray *bytes);

} // namespace velmora
