#pragma once

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

/// Writes every byte, or cancels the save and returns the system's reason.
[[nodiscard]] QString writeAll(QSaveFile &file, QByteArrayView bytes);

/// Moves the written file over `path`, when the place still holds nothing or a regular file the
/// user may write; otherwise cancels it. Returns an empty string, or why nothing was replaced.
[[nodiscard]] QString commitReplacing(QSaveFile &file, const QString &path);

/// Replaces (or creates) the file with the bytes atomically, through a file of the factory: the
/// bytes are written beside it and moved over it only when complete, and only when the place
/// still holds nothing or a regular file the user may write (see checkReplaceable()); an
/// existing file keeps its permissions. Returns an empty string, or why nothing was written.
[[nodiscard]] QString writeFileAtomically(const QString &path, QByteArrayView bytes,
                                          const SaveFileFactory &openFile);

} // namespace velmora
