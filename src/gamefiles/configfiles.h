#pragma once

#include "gamefiles/savepipeline.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace velmora {

/// What a Save of the config box would do to <gameFolder>/cstrike/autoexec.cfg.
struct SavePreview
{
    bool changes = true; ///< false when the file already holds exactly the bytes Save writes
    /// The hunks of the file's lines that leave ("-") and the lines Save writes that come ("+"),
    /// with two shared lines around each change (see lineDiff()); all "+" when there is no file
    /// yet. Empty with `changes` when only the line ends differ.
    QStringList diff;
    qsizetype unlisted = 0;      ///< changed lines beyond the `mostLines` listed in `diff`
    QString error;               ///< the file is there but cannot be read: Save itself will say why
    bool lineEndsChange = false; ///< some line ends differ (LF or a lone CR becoming CR LF)
};

/// What a Save of `bytes` (see autoexecBytes()) would change, listing `mostLines` changed lines at
/// most. The file is read as Save reads it.
[[nodiscard]] SavePreview previewAutoexecSave(const QString &gameFolder, QByteArrayView bytes,
                                              qsizetype mostLines,
                                              const SaveSystem &system = SaveSystem::real());

/// A config file the player names, read whole (a UTF-8 byte-order mark dropped) up to its first
/// NUL byte, where the game stops reading a script: what follows it never runs, so it is not
/// brought in either.
struct ConfigFileText
{
    QByteArray bytes;
    QString error; ///< the system's reason, "Это не обычный файл: <path>", or a file too large
    bool cutAtNul = false; ///< the file held a NUL byte, and `text` ends before it
};

/// Reads a config file of no more than kScriptMaxBytes; a larger one is refused unread.
[[nodiscard]] ConfigFileText readConfigFile(const QString &path);

/// Why `path` may not be the name of a config file the player saves, or nothing: a name with a
/// control character (a line feed pasted into the dialog) would make a file no one can type.
[[nodiscard]] QString checkConfigFileName(const QString &path);

/// Writes the config box's bytes (see autoexecBytes()) to a file of the player's choosing through
/// the save pipeline, as Save writes autoexec.cfg: a read-only file or anything but a regular file
/// refused, a name with a control character too (see checkConfigFileName()). When `path` is the
/// game's own autoexec.cfg, it is saved exactly as Save saves it, so the file it replaces is kept
/// as autoexec.cfg.bak. Returns an empty string, or why nothing was written.
[[nodiscard]] QString saveConfigFile(const QString &gameFolder, const QString &path,
                                     QByteArrayView bytes,
                                     const SaveSystem &system = SaveSystem::real());

/// Whether `path` names the game's own <gameFolder>/cstrike/autoexec.cfg, links followed.
[[nodiscard]] bool isGameAutoexec(const QString &gameFolder, const QString &path);

/// Whether a regular file stands as <gameFolder>/cstrike/autoexec.cfg now, its link followed.
[[nodiscard]] bool autoexecExists(const QString &gameFolder,
                                  const SaveSystem &system = SaveSystem::real());

/// Whether <gameFolder>/cstrike/autoexec.cfg.bak is there to bring back: an empty string, or
/// why not (there is none, or it is not a regular file).
[[nodiscard]] QString checkAutoexecBackup(const QString &gameFolder,
                                          const SaveSystem &system = SaveSystem::real());

/// Puts autoexec.cfg.bak back as autoexec.cfg; the autoexec.cfg it replaces becomes the backup,
/// so a second restore undoes the first. Both new files are written through the save pipeline and
/// are complete before either takes its name: a full disk or a refused file (read-only, not a
/// regular file, a link as root out of the game folder) changes neither. Without an autoexec.cfg
/// the backup is copied and stays. Returns an empty string, or why nothing was changed.
[[nodiscard]] QString restoreAutoexec(const QString &gameFolder,
                                      const SaveSystem &system = SaveSystem::real());

} // namespace velmora
