#include "gamefiles/userconfig.h"

#include "console/consolescript.h"
#include "gamefiles/pathfile.h"

#include <QCoreApplication>

namespace velmora {

namespace {

// No `;` and no double quote: the console reads the comment as one command, and skips it.
constexpr QByteArrayView kChainComment = "// Velmora: config.cfg runs after autoexec.cfg and "
                                         "brings the old values back, so run autoexec.cfg again";
constexpr QByteArrayView kChainLine = "exec autoexec.cfg";

QString userconfigPath(const QString &gameFolder)
{
    return gameFile(gameFolder, QStringLiteral("userconfig.cfg"));
}

bool runsAutoexec(QByteArrayView userconfig)
{
    return scriptExecs(userconfig, "autoexec.cfg");
}

/// The console stops reading a script at its first NUL byte: a line added at the end never runs.
QString nulByteText()
{
    return QCoreApplication::translate("GameFiles",
                                       "В userconfig.cfg есть нулевой байт: игра не читает файл "
                                       "дальше него, поэтому строка \"exec autoexec.cfg\" в его "
                                       "конце не сработала бы.");
}

} // namespace

ChainCheck checkUserconfigChain(const QString &gameFolder, QByteArrayView savedBytes,
                                const SaveSystem &system)
{
    const SaveTarget userconfig(userconfigPath(gameFolder), gameFolder, LinkRule::Follow, system);
    if (!userconfig.error().isEmpty())
        return {ChainState::Failed, userconfig.error()};
    if (runsAutoexec(userconfig.bytes()))
        return {ChainState::Chained, {}};
    if (userconfig.bytes().contains('\0'))
        return {ChainState::Failed, nulByteText()};
    if (scriptExecs(savedBytes, "userconfig.cfg"))
        return {ChainState::Loop, {}};
    return {ChainState::Missing, {}};
}

namespace {

/// The bytes with the comment and the chain line added, in the file's own line ends: those of
/// its last line, CR LF when it has none.
QByteArray appendedChain(QByteArrayView userconfig)
{
    QByteArray bytes = userconfig.toByteArray();
    const qsizetype lastBreak = userconfig.lastIndexOf('\n');
    const bool lfOnly = lastBreak == 0 || (lastBreak > 0 && userconfig[lastBreak - 1] != '\r');
    const QByteArrayView lineEnd = lfOnly ? QByteArrayView("\n") : QByteArrayView("\r\n");
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += lineEnd;
    bytes += kChainComment;
    bytes += lineEnd;
    bytes += kChainLine;
    bytes += lineEnd;
    return bytes;
}

} // namespace

QByteArray withUserconfigChain(QByteArrayView userconfig)
{
    if (runsAutoexec(userconfig) || userconfig.contains('\0'))
        return userconfig.toByteArray();
    return appendedChain(userconfig);
}

QString addUserconfigChain(const QString &gameFolder, const SaveSystem &system)
{
    const SaveTarget userconfig(userconfigPath(gameFolder), gameFolder, LinkRule::Follow, system);
    if (!userconfig.error().isEmpty())
        return userconfig.error();
    if (runsAutoexec(userconfig.bytes()))
        return {};
    if (userconfig.bytes().contains('\0'))
        return nulByteText();
    // The whole new file is written beside the old one and takes its name only when complete: a
    // full disk leaves the old userconfig.cfg whole, never half a chain.
    SaveCommit commit(system);
    if (QString error =
            commit.add(userconfig, appendedChain(userconfig.bytes()), userconfig.stamp());
        !error.isEmpty())
        return error;
    return commit.finish();
}

} // namespace velmora
