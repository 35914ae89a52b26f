#include "gamefiles/steamgame.h"

#include "gamefiles/keyvalues.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <sys/stat.h>

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

/// Which folder a path leads to, links followed, as a key that two paths of the same folder
/// share; empty when it leads to no folder (missing, a loop of links, a file, not searchable).
QString folderKey(const QString &path)
{
    // One stat: the device and inode name the folder. Resolving the path instead would read
    // every link on the way, many times the cost of the whole rest of the search.
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return {};
    return QString::number(quint64(status.st_dev)) + u':' + QString::number(quint64(status.st_ino));
}

/// A library's steamapps folder, whatever the letter case of its name, and its key.
struct SteamApps
{
    QString folder;
    QString key;
};

/// The entries of a library folder looked through for an odd spelling of steamapps: a library
/// holds a handful, so a folder of thousands is no library and is not read to its end.
constexpr int kMostEntriesListed = 1024;

SteamApps findSteamApps(const QString &library, const QDeadlineTimer &deadline)
{
    // The usual spelling, then the one older installs use; the file system may keep any other.
    for (const char *spelling : {"/steamapps", "/SteamApps"}) {
        const QString folder = library + QLatin1StringView(spelling);
        if (const QString key = folderKey(folder); !key.isEmpty())
            return {folder, key};
    }
    // Every entry counts against the bound, not only folders: a filter would read on past a
    // million files to find the next folder.
    QDirIterator entries(library,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (int n = 0; n < kMostEntriesListed && entries.hasNext() && !deadline.hasExpired(); ++n) {
        const QString folder = entries.next();
        if (entries.fileName().compare(u"steamapps", Qt::CaseInsensitive) != 0)
            continue;
        if (const QString key = folderKey(folder); !key.isEmpty())
            return {folder, key};
    }
    return {};
}

/// Whether an entry's key is a number, as the keys of libraries are.
bool isNumber(const KeyValue &entry)
{
    const QString key = entry.key();
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
    const std::optional<KeyValues> document = readKeyValuesFile(file);
    if (!document)
        return {};
    const KeyValue *folders = document->top().find("libraryfolders");
    if (!folders || !folders->isBlock())
        return {};
    QStringList paths;
    for (const KeyValue &entry : folders->entries()) {
        if (!isNumber(entry))
            continue;
        const QString path = entry.isBlock() ? entry.text("path") : entry.value();
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

} // namespace

QStringList steamRoots(const QString &home)
{
    QStringList roots;
    QStringList keys;
    if (home.isEmpty())
        return roots;
    for (const char *below : kRootsBelowHome) {
        const QString root = home + u'/' + QLatin1String(below);
        const QString key = folderKey(root);
        if (!key.isEmpty() && !keys.contains(key)) {
            keys.append(key);
            roots.append(root);
        }
    }
    return roots;
}

namespace {

/// What one search has looked at so far, over all its roots.
struct Search
{
    QDeadlineTimer deadline;
    QHash<QString, SteamApps> looked; ///< library folders by folderKey(), with what they hold
    QStringList seen;                 ///< the steamapps folders found, by folderKey()
};

/// The root's libraries that are not among `search.seen` yet, each with its steamapps folder: the
/// root, then those its libraryfolders.vdf files name. Libraries without a steamapps folder are
/// left out. A path named again is passed over, a folder reached again by another path is not
/// looked into again, and no more than kSteamMaxLibraries different paths count per root.
QList<SteamApps> newLibraries(const QString &root, Search &search, QStringList *paths = nullptr)
{
    QList<SteamApps> libraries;
    auto lookInto = [&](const QString &library) -> SteamApps {
        const QString key = folderKey(library);
        if (key.isEmpty() || search.deadline.hasExpired())
            return {};
        auto known = search.looked.constFind(key);
        if (known == search.looked.cend())
            known = search.looked.insert(key, findSteamApps(library, search.deadline));
        return *known;
    };
    auto add = [&](const QString &library, const SteamApps &apps) {
        if (apps.key.isEmpty() || search.seen.contains(apps.key))
            return;
        search.seen.append(apps.key);
        libraries.append(apps);
        if (paths)
            paths->append(library);
    };
    const SteamApps rootApps = lookInto(root);
    add(root, rootApps);
    QStringList files;
    if (!rootApps.folder.isEmpty())
        files.append(rootApps.folder + QStringLiteral("/libraryfolders.vdf"));
    files.append(root + QStringLiteral("/config/libraryfolders.vdf"));
    QSet<QString> named;
    for (const QString &file : files) {
        for (const QString &path : libraryPathsIn(file)) {
            // A relative path leads nowhere Steam meant.
            const QString library = QDir::cleanPath(path);
            if (!QDir::isAbsolutePath(library) || named.contains(library))
                continue;
            if (named.size() >= kSteamMaxLibraries)
                return libraries;
            named.insert(library);
            add(library, lookInto(library));
        }
    }
    return libraries;
}

/// The Half-Life folder below a steamapps folder, as the steamapps path leads to it.
QString gameFolderIn(const QString &apps)
{
    QStringList names;
    const QString manifest = apps + QStringLiteral("/appmanifest_%1.acf").arg(kHalfLifeApp);
    if (const std::optional<KeyValues> document = readKeyValuesFile(manifest)) {
        const KeyValue *state = document->top().find("AppState");
        const QString installDir =
            state && state->isBlock() ? state->text("installdir") : QString();
        if (isPlainName(installDir))
            names.append(installDir);
    }
    const QString usual = QStringLiteral("Half-Life");
    if (!names.contains(usual))
        names.append(usual);
    for (const QString &name : names) {
        const QString folder = apps + QStringLiteral("/common/") + name;
        // The game opens cstrike/autoexec.cfg by that exact name, so only that spelling counts.
        if (QFileInfo(folder + QStringLiteral("/cstrike")).isDir())
            return folder;
    }
    return {};
}

} // namespace

QStringList steamLibraries(const QString &root)
{
    Search search{QDeadlineTimer(QDeadlineTimer::Forever), {}, {}};
    QStringList paths;
    newLibraries(root, search, &paths);
    return paths;
}

QString findSteamGameFolder(const QString &home, QDeadlineTimer deadline)
{
    Search search{deadline, {}, {}};
    for (const QString &root : steamRoots(home)) {
        for (const SteamApps &library : newLibraries(root, search)) {
            if (search.deadline.hasExpired())
                return {};
            const QString game = gameFolderIn(library.folder);
            if (game.isEmpty())
                continue;
            // The real folder, so that the chooser's drive list shows the volume that holds it.
            const QString real = QFileInfo(game).canonicalFilePath();
            if (!real.isEmpty())
                return QDir::toNativeSeparators(real);
        }
    }
    return {};
}

} // namespace velmora
