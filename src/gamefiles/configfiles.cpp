#include "gamefiles/configfiles.h"

#include "gamefiles/autoexec.h"
#include "gamefiles/linediff.h"
#include "gamefiles/pathfile.h"
#include "gamefiles/regularfile.h"
#include "gamefiles/scriptfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace velmora {

namespace {

QString noBackupText()
{
    return QCoreApplication::translate("GameFiles",
                                       "Прежнего autoexec.cfg нет: в папке cstrike нет файла "
                                       "autoexec.cfg.bak.");
}

QString autoexecPath(const QString &gameFolder)
{
    return gameFile(gameFolder, QStringLiteral("autoexec.cfg"));
}

QString backupPath(const QString &gameFolder)
{
    return gameFile(gameFolder, QStringLiteral("autoexec.cfg.bak"));
}

/// Whether two paths name one file, links followed; a file not yet there by its cleaned path.
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath());
}

/// The shared lines the Save question shows around each change.
constexpr int kDiffContext = 2;

/// Whether some line of `bytes`, whose line breaks are `ends`, ends otherwise than with CR LF (an
/// LF, a lone CR, or nothing at the end of the last line).
bool endsOtherThanCrLf(QByteArrayView bytes, const LineEnds &ends)
{
    return (!bytes.isEmpty() && !bytes.endsWith("\r\n")) || !ends.allCrLf();
}

} // namespace

SavePreview previewAutoexecSave(const QString &gameFolder, QByteArrayView bytes,
                                qsizetype mostLines, const SaveSystem &system)
{
    const SaveTarget previous(autoexecPath(gameFolder), gameFolder, LinkRule::Follow, system);
    if (!previous.error().isEmpty())
        return {true, {}, 0, previous.error(), false};
    const QByteArrayView old(previous.bytes());
    if (previous.exists() && old == bytes)
        return {false, {}, 0, {}, false};
    LineDiff diff = lineDiff(old, bytes, mostLines, kDiffContext);
    const bool lineEndsChange =
        endsOtherThanCrLf(old, diff.endsBefore) != endsOtherThanCrLf(bytes, diff.endsAfter);
    return {true, std::move(diff.lines), diff.unlisted, {}, lineEndsChange};
}

ConfigFileText readConfigFile(const QString &path)
{
    FileBytes file = readRegularFile(path, kScriptMaxBytes);
    if (!file.error.isEmpty())
        return {{}, file.error, false};
    QByteArray &bytes = file.bytes;
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return {std::move(bytes), {}, nul >= 0};
}

QString checkConfigFileName(const QString &path)
{
    const auto isControl = [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; };
    const QString name = QFileInfo(path).fileName();
    if (std::none_of(name.begin(), name.end(), isControl))
        return {};
    // The box shows the name with a mark where each such character stands, on one line.
    QString shown = QDir::toNativeSeparators(path);
    std::replace_if(shown.begin(), shown.end(), isControl, QChar(u'?'));
    return QCoreApplication::translate("GameFiles",
                                       "В имени файла есть управляющий символ (например, перевод "
                                       "строки), оно показано со знаком \"?\" на его месте: %1")
        .arg(shown);
}

QString saveConfigFile(const QString &gameFolder, const QString &path, QByteArrayView bytes,
                       const SaveSystem &system)
{
    if (QString refusal = checkConfigFileName(path); !refusal.isEmpty())
        return refusal;
    if (QString refusal = checkScriptBytes(bytes); !refusal.isEmpty())
        return refusal;
    if (!gameFolder.isEmpty() && isGameAutoexec(gameFolder, path))
        return saveAutoexec(gameFolder, bytes, nullptr, system);
    return writeFileAtomically(path, bytes, {}, system);
}

bool isGameAutoexec(const QString &gameFolder, const QString &path)
{
    return sameFile(path, autoexecPath(gameFolder));
}

bool autoexecExists(const QString &gameFolder, const SaveSystem &system)
{
    return SaveTarget(autoexecPath(gameFolder), gameFolder, LinkRule::Follow, system, false)
        .exists();
}

QString checkAutoexecBackup(const QString &gameFolder, const SaveSystem &system)
{
    const SaveTarget backup(backupPath(gameFolder), gameFolder, LinkRule::Replace, system, false);
    if (!backup.error().isEmpty())
        return backup.error();
    return backup.exists() ? QString() : noBackupText();
}

QString restoreAutoexec(const QString &gameFolder, const SaveSystem &system)
{
    // The rules of Save hold for both files: run as root, nothing is read or written through a
    // link that leads out of the game folder or to another user's file, and a link in the
    // backup's place is never read as a backup.
    const SaveTarget script(autoexecPath(gameFolder), gameFolder, LinkRule::Follow, system);
    if (!script.error().isEmpty())
        return script.error();
    const SaveTarget backup(backupPath(gameFolder), gameFolder, LinkRule::Replace, system);
    if (!backup.error().isEmpty())
        return backup.error();
    if (!backup.exists())
        return noBackupText();
    if (script.exists() && script.bytes() == backup.bytes())
        return {};
    SaveCommit commit(system);
    if (QString error = commit.add(script, backup.bytes(), script.stamp()); !error.isEmpty())
        return error;
    // The backup is Velmora's own file, as private as the script it keeps, as Save writes it.
    if (script.exists()) {
        if (QString error = commit.add(backup, script.bytes(), script.stamp()); !error.isEmpty())
            return error;
    }
    return commit.finish();
}

} // namespace velmora
