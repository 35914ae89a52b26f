#include "gamefiles/autoexec.h"

#include "base/textcodec.h"
#include "gamefiles/pathfile.h"

#include <QCoreApplication>

#include <optional>

namespace velmora {

QByteArray autoexecBytes(QStringView boxText)
{
    QByteArray bytes;
    encodeAutoexecBytes(boxText, bytes);
    return bytes;
}

void encodeAutoexecBytes(QStringView boxText, QByteArray &bytes)
{
    bytes.truncate(0); // keeps the capacity, unlike clear()
    appendEncodedLossless(boxText, bytes, LineBreaks::CrLf);
    bytes.append("\r\n", 2);
}

QString checkScriptBytes(QByteArrayView bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    if (nul < 0)
        return {};
    return QCoreApplication::translate("GameFiles",
                                       "В строке %1 конфига есть нулевой символ: игра перестаёт "
                                       "читать файл на нём, и строки после него не сработали бы. "
                                       "Удалите его и сохраните снова.")
        .arg(bytes.first(nul).count('\n') + 1);
}

QString saveAutoexec(const QString &gameFolder, QStringView boxText, SaveOutcome *outcome)
{
    return saveAutoexec(gameFolder, autoexecBytes(boxText), outcome);
}

QString saveAutoexec(const QString &gameFolder, QByteArrayView bytes, SaveOutcome *outcome,
                     const SaveSystem &system)
{
    if (QString refusal = checkScriptBytes(bytes); !refusal.isEmpty())
        return refusal;
    // Resolved and read before anything is written: as root, a link that leads out of the game
    // folder is refused here, so no file elsewhere is copied into the backup or replaced.
    const SaveTarget script(gameFile(gameFolder, QStringLiteral("autoexec.cfg")), gameFolder,
                            LinkRule::Follow, system);
    if (!script.error().isEmpty())
        return script.error();
    // A file that already holds the new bytes needs neither a backup nor a rewrite.
    if (script.exists() && script.bytes() == bytes) {
        if (outcome)
            *outcome = SaveOutcome::Unchanged;
        return {};
    }
    SaveCommit commit(system);
    std::optional<SaveTarget> backup;
    if (script.exists()) {
        // The file the save replaces is kept, so no edit of the player's is ever lost. The backup
        // is Velmora's own file, with the mode and owner of the script it keeps: a script that
        // holds an rcon_password stays as private as it was.
        backup.emplace(gameFile(gameFolder, QStringLiteral("autoexec.cfg.bak")), gameFolder,
                       LinkRule::Replace, system, false);
        if (!backup->error().isEmpty())
            return backup->error();
        if (QString error = commit.add(*backup, script.bytes(), script.stamp()); !error.isEmpty())
            return error;
    }
    if (QString error = commit.add(script, bytes, script.stamp()); !error.isEmpty())
        return error;
    if (QString error = commit.finish(); !error.isEmpty())
        return error;
    if (outcome)
        *outcome = SaveOutcome::Written;
    return {};
}

} // namespace velmora
