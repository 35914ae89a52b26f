#pragma once

#include "gamefiles/savetarget.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

class QSaveFile;

namespace velmora {

/// Opens the file a save writes through: a QSaveFile on the given path. Tests put in one whose
/// writes fail part-way, as a full disk's do.
using SaveFileFactory = std::function<std::unique_ptr<QSaveFile>(const QString &path)>;

/// The factory of real QSaveFiles.
SaveFileFactory plainSaveFiles();

/// A game file as it stood before it is replaced or added to.
struct ExistingFile
{
    bool exists = false; ///< false when nothing stands at the path (not an error)
    QByteArray bytes;
    QString error; ///< the system's reason when the file is there but cannot be read
};

/// Reads a game file whole, only when it is a regular file (see openRegularFile()) of no more
/// than kScriptMaxBytes (see readScriptFile()). Every game file Velmora reads before it writes
/// (the autoexec.cfg a save replaces, userconfig.cfg) is opened here and nowhere else.
[[nodiscard]] ExistingFile readExistingFile(const QString &path);

/// How a save treats the place it writes.
struct WriteRules
{
    /// The folder a link may lead into when Velmora runs as root (see checkWriteTarget());
    /// empty: the file's own folder.
    QString trustedFolder;
    /// Velmora's own file (the backup): a link in its place is replaced, never written through.
    bool ownFile = false;
    /// The file whose mode (and, as root, owner) the new one takes: the copied file for a backup,
    /// so it is as private, and as much the player's, as the script it keeps. Unknown: the file
    /// it replaces (for a new file, the owner of its folder).
    FileStamp like;
};

/// Opens a file of the factory for `path` so that every write reaches the system at once (a
/// failing one fails there, not in a flush that QSaveFile::commit() would not report), and gives
/// it the mode and, as root, the owner and group the rules give (see WriteRules::like). Returns an
/// empty string, or the error text; the file is then closed.
[[nodiscard]] QString openForSaving(QSaveFile &file, const QString &path,
                                    const WriteRules &rules = {});

/// Writes every byte, or cancels the save and returns the error text naming the file.
[[nodiscard]] QString writeAll(QSaveFile &file, QByteArrayView bytes);

/// Moves the written file over `path`, once every byte is on the disk (synced), when the place
/// still holds nothing or a regular file the user may write, and the rules still let the save
/// write there; otherwise cancels it. Returns an empty string, or why nothing was replaced.
[[nodiscard]] QString commitReplacing(QSaveFile &file, const QString &path,
                                      const WriteRules &rules = {});

/// Replaces (or creates) the file with the bytes atomically, through a file of the factory: the
/// bytes are written beside it, synced, and moved over it only when all are on the disk, and only
/// when the place still holds nothing or a regular file the user may write (see
/// checkReplaceable()) that the rules let the save write (see checkWriteTarget()); an existing
/// file keeps its permissions, and as root its owner. A failure leaves the old file whole and no
/// new one beside it. Returns an empty string, or why nothing was written (naming the file).
[[nodiscard]] QString writeFileAtomically(const QString &path, QByteArrayView bytes,
                                          const SaveFileFactory &openFile,
                                          const WriteRules &rules = {});

} // namespace velmora
