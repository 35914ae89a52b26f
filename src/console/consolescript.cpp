#include "console/consolescript.h"

#include "console/consolelexer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>

namespace velmora {

namespace {

bool equalsNoCase(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

/// Whether the command's first word, quoted or not, can be `exec`: most commands of a long box
/// are told apart here without being split into words.
bool mayBeExec(QByteArrayView command)
{
    qsizetype at = 0;
    while (at < command.size() && isConsoleBlank(command[at]))
        ++at;
    if (at < command.size() && command[at] == '"')
        ++at;
    return command.size() - at >= 4 && equalsNoCase(command.sliced(at, 4), "exec");
}

/// Whether `name` stands anywhere in the script, in any letter case. A script that never names the
/// file never runs it, and a long box is passed over here a stride of the name's length at a time.
bool namesNoCase(QByteArrayView script, QByteArrayView name)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c; };
    const auto hash = [lower](char c) { return std::hash<char>()(lower(c)); };
    const auto equal = [lower](char a, char b) { return lower(a) == lower(b); };
    const std::boyer_moore_horspool_searcher searcher(name.begin(), name.end(), hash, equal);
    return std::search(script.begin(), script.end(), searcher) != script.end();
}

/// The game folder a script in `scriptFolder` runs in, as described at isOwnScript().
QString gameFolderOf(const QString &scriptFolder)
{
    QDir folder(QDir::cleanPath(QFileInfo(scriptFolder).absoluteFilePath()));
    for (QDir up = folder;;) {
        const QString name = up.dirName();
        if (name.compare(u"cstrike", Qt::CaseInsensitive) == 0)
            return up.path();
        if (name.compare(u"cstrike_downloads", Qt::CaseInsensitive) == 0)
            return QDir::cleanPath(up.filePath(QStringLiteral("../cstrike")));
        if (!up.cdUp())
            break;
    }
    return folder.path();
}

} // namespace

bool isExecName(QByteArrayView name)
{
    if (name.isEmpty() || name.startsWith('/'))
        return false;
    for (const QByteArrayView refused : {"\\", ":", "~", ".."}) {
        if (name.contains(refused))
            return false;
    }
    // The extension runs from the first dot of the file's own name: "buy.v2.cfg" has "v2.cfg".
    const QByteArrayView fileName = name.sliced(name.lastIndexOf('/') + 1);
    const qsizetype dot = fileName.indexOf('.');
    const QByteArrayView extension = dot < 0 ? QByteArrayView() : fileName.sliced(dot + 1);
    return equalsNoCase(extension, "cfg") || equalsNoCase(extension, "rc");
}

bool isOwnScript(const QString &scriptFolder, QByteArrayView name)
{
    if (scriptFolder.isEmpty() || !isExecName(name))
        return false;
    return QFileInfo(gameFolderOf(scriptFolder) + u'/' + QFile::decodeName(name.toByteArray()))
        .isFile();
}

bool scriptExecs(QByteArrayView script, QByteArrayView fileName, qsizetype *bytesRead)
{
    if (!namesNoCase(script, fileName))
        return false;
    ConsoleLexer lexer(script);
    bool runs = false;
    for (ScriptCommand command; !runs && lexer.next(&command);) {
        if (!mayBeExec(command.text))
            continue;
        const QList<QByteArrayView> words = consoleWords(command.text);
        runs =
            words.size() == 2 && equalsNoCase(words[0], "exec") && equalsNoCase(words[1], fileName);
    }
    if (bytesRead)
        *bytesRead += lexer.bytesScanned();
    return runs;
}

} // namespace velmora
