#pragma once

#include "gamefiles/filewrite.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace velmora {

/// What a Save of the config box would do to <gameFolder>/cstrike/autoexec.cfg.
struct SavePreview
{
    bool changes = true; ///< false when the file already holds exactly the bytes Save writes
    /// The file's lines that leave ("-") and the box's lines that come ("+"), see lineDiff(); all
    /// "+" when there is no file yet. Empty with `changes` when only the line ends differ.
    QStringList diff;
    QString error; ///< the file is there but cannot be read: Save itself will say why
};

[[nodiscard]] SavePreview previewAutoexecSave(const QString &gameFolder, QStringView boxText);

/// A config file the player names, read whole into text the way config.cfg is read (bytes kept
/// losslessly, a UTF-8 byte-order mark dropped).
struct ConfigFileText
{
    QString text;
    QString error; ///< the system's reason, or "Это не обычный файл: <path>"
};

[[nodiscard]] ConfigFileText readConfigFile(const QString &path);

/// Writes the config box to a file of the player's choosing, the way Save writes autoexec.cfg:
/// atomically, with autoexecBytes(), a read-only file or anything but a regular file refused.
/// When `path` is the game's own autoexec.cfg, it is saved exactly as Save saves it, so the file
/// it replaces is kept as autoexec.cfg.bak. Returns an empty string, or why nothing was written.
[[nodiscard]] QString saveConfigFile(const QString &gameFolder, const QString &path,
                                     QStringView boxText,
                                     const SaveFileFactory &openFile = plainSaveFiles());

/// Whether <gameFolder>/cstrike/autoexec.cfg.bak is there to bring back: an empty string, or
/// why not (there is none, or it is not a regular file).
[[nodiscard]] QString checkAutoexecBackup(const QString &gameFolder);

/// Puts autoexec.cfg.bak back as autoexec.cfg; the autoexec.cfg it replaces becomes the backup,
/// so a second restore undoes the first. Both are written the way Save writes, and both new files
/// are complete before either takes its name: a full disk or a refused file (read-only, not a
/// regular file) changes neither. Without an autoexec.cfg the backup is copied and stays. Returns
/// an empty string, or why nothing was changed.
[[nodiscard]] QString restoreAutoexec(const QString &gameFolder,
                                      const SaveFileFactory &openFile = plainSaveFiles());

} // namespace velmora
