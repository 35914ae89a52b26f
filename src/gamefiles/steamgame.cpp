#include "gamefiles/steamgame.h"

#include "gamefiles/keyvalues.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

namespace {

/// Where Steam keeps itself below the home folder, in the order the search tries them: the links
/// Steam's launcher makes, its own folder, then the Flatpak's and the Snap's.
const char *const kRootsBelowHome[] = {
    ".steam/steam",
    ".steam/root",
    ".local/share/Steam",
    ".var/app/com.valvesoftware.Steam/.local/share/Steam",
    "snap/steam/common/.local/share/Steam",
};

/// The real folder a path leads to, links followed; empty when it is no absolute path, missing,
/// a loop of links, no folder, or cannot be listed.
QString resolvedFolder(const QString &path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return {};
    const QString real = QFileInfo(path).canonicalFilePath();
    if (real.isEmpty())
        return {};
    const QFileInfo folder(real);
    if (!folder.isDir() || !folder.isReadable() || !folder.isExecutable())
        return {};
    return real;
}

bool isNumber(const QString &key)
{
    if (key.isEmpty())
        return false;
    for (QChar c : key) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

/// A folder name as a manifest may give it: one step below common/, never out of it.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(QChar(0));
}

/// The libraries a libraryfolders.vdf names, in its order. Two forms are in use: the old one
/// gives each library's path as the value of a numbered key, the new one a numbered block with a
/// "path" entry. Other keys ("TimeNextStatsReport", "contentstatsid") name no library.
QStringList libraryPathsIn(const QString &file)
{
    const std::optional<KeyValue> document = readKeyValuesFile(file);
    if (!document)
        return {};
    const KeyValue *folders = document->find(u"libraryfolders");
    if (!folders || !folders->isBlock)
        return {};
    QStringList paths;
    for (const KeyValue &entry : folders->entries) {
        if (!isNumber(entry.key))
            continue;
        const QString path = entry.isBlock ? entry.text(u"path") : entry.value;
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

} // namespace

QStringList steamRoots(const QString &home)
{
    QStringList roots;
    if (home.isEmpty())
        return roots;
    for (const char *below : kRootsBelowHome) {
        const QString root = resolvedFolder(home + u'/' + QLatin1String(below));
        if (!root.isEmpty() && !roots.contains(root))
            roots.append(root);
    }
    return roots;
}

QString steamAppsFolder(const QString &library)
{
    const QString usual = library + QStringLiteral("/steamapps");
    if (QFileInfo(usual).isDir())
        return usual;
    // Older installs call it SteamApps; the file system may keep any spelling.
    const QStringList names =
        QDir(library).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        if (name.compare(u"steamapps", Qt::CaseInsensitive) == 0)
            return library + u'/' + name;
    }
    return {};
}

QStringList steamLibraries(const QString &root)
{
    QStringList libraries{root};
    QStringList files;
    const QString apps = steamAppsFolder(root);
    if (!apps.isEmpty())
        files.append(apps + QStringLiteral("/libraryfolders.vdf"));
    files.append(root + QStringLiteral("/config/libraryfolders.vdf"));
    for (const QString &file : files) {
        for (const QString &path : libraryPathsIn(file)) {
            if (libraries.size() >= kSteamMaxLibraries)
                return libraries;
            const QString library = resolvedFolder(path);
            if (!library.isEmpty() && !libraries.contains(library))
                libraries.append(library);
        }
    }
    return libraries;
}

QString gameFolderInLibrary(const QString &library)
{
    const QString apps = steamAppsFolder(library);
    if (apps.isEmpty())
        return {};
    QStringList names;
    const QString manifest = apps + QStringLiteral("/appmanifest_%1.acf").arg(kHalfLifeApp);
    if (const std::optional<KeyValue> document = readKeyValuesFile(manifest)) {
        const KeyValue *state = document->find(u"AppState");
        const QString installDir = state && state->isBlock ? state->text(u"installdir") : QString();
        if (isPlainName(installDir))
            names.append(installDir);
    }
    const QString usual = QStringLiteral("Half-Life");
    if (!names.contains(usual))
        names.append(usual);
    for (const QString &name : names) {
        const QString folder = apps + QStringLiteral("/common/") + name;
        // The game opens cstrike/autoexec.cfg by that exact name, so only that spelling counts.
        if (QFileInfo(folder + QStringLiteral("/cstrike")).isDir()) {
            const QString real = resolvedFolder(folder);
            if (!real.isEmpty())
                return real;
        }
    }
    return {};
}

QString findSteamGameFolder(const QString &home)
{
    QStringList seen;
    for (const QString &root : steamRoots(home)) {
        for (const QString &library : steamLibraries(root)) {
            if (seen.contains(library))
                continue;
            seen.append(library);
            const QString game = gameFolderInLibrary(library);
            if (!game.isEmpty())
                return QDir::toNativeSeparators(game);
        }
    }
    return {};
}

} // namespace velmora
