#include "console/consolescript.h"

#include "console/consolelexer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmora {

namespace {

bool equalsNoCase(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
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
    ConsoleLexer lexer(script);
    bool runs = false;
    for (ScriptCommand command; !runs && lexer.next(&command);) {
        const QList<QByteArrayView> words = consoleWords(command.text);
        runs =
            words.size() == 2 && equalsNoCase(words[0], "exec") && equalsNoCase(words[1], fileName);
    }
    if (bytesRead)
        *bytesRead += lexer.bytesScanned();
    return runs;
}

} // namespace velmora
