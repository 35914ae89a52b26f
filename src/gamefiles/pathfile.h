#pragma once

#include <QString>
#include <QtGlobal>

namespace velmora {

/// A file of the game, addressed the way the game's own folders are: the game folder text, the
/// native separator, "cstrike", the separator, the file name; nothing is normalised.
QString gameFile(const QString &gameFolder, const QString &fileName);

/// dir.vlm in the given folder (normally the program's own).
QString pathFileLocation(const QString &folder);

/// The largest dir.vlm Velmora reads: it holds one folder, whose path the system caps at 4,096
/// bytes (PATH_MAX), and a hand-edited file may have a few blank lines more. Sixteen times that
/// leaves room for any of them; a larger file is refused unread, so a sparse file of gigabytes
/// cannot hold the start up.
inline constexpr qint64 kPathFileMaxBytes = 16 * 4096;

struct PathFileRead
{
    enum class Status { Folder, Nothing, Failed };
    Status status = Status::Nothing;
    QString folder; ///< with Folder: the last line that is not blank, leading spaces dropped
    QString error;  ///< with Failed: the system's description
};

/// Reads dir.vlm in the given folder. Nothing means the file holds no folder (empty or only blank
/// lines): the caller keeps what it had.
PathFileRead readPathFile(const QString &folder);

/// Writes the game folder and CR LF to dir.vlm in the given folder, replacing the file.
/// Returns an empty string on success, otherwise the system's description.
[[nodiscard]] QString writePathFile(const QString &folder, const QString &gameFolder);

/// Deletes dir.vlm in the given folder. A file that is not there is no failure.
[[nodiscard]] QString deletePathFile(const QString &folder);

/// True for a stored folder that names no folder: empty, or a number equal to zero ("0", "00").
bool namesNoFolder(const QString &storedFolder);

/// Whether a program folder is a system one (/usr/bin, /opt/..., or root's folder run by someone
/// else): an installed program, not the player's own copy.
bool isSystemFolder(const QString &folder);

/// Where Velmora keeps dir.vlm: beside the executable of the player's own copy, or in the user's
/// configuration folder when the program is installed in a system folder (see isSystemFolder()),
/// whoever runs it, root included, or when the program's folder cannot be written.
class PathFileStore
{
public:
    PathFileStore(QString programFolder, QString userFolder = {});

    QString programFolder() const { return m_programFolder; }
    QString userFolder() const { return m_userFolder; }

    /// The per-user file for an installed program; otherwise the file beside the executable when
    /// it exists there, else the per-user one.
    QString activeFolder() const;
    PathFileRead read() const;
    /// In the user's folder for an installed program; otherwise beside the executable when
    /// possible, else in the user's folder. Empty string on success.
    [[nodiscard]] QString write(const QString &gameFolder) const;
    /// Deletes both files. Empty string on success, otherwise the first failure's description.
    [[nodiscard]] QString remove() const;

private:
    QString m_programFolder;
    QString m_userFolder;
    bool m_installed = false; ///< the program folder is a system one: dir.vlm is kept per user
};

} // namespace velmora
