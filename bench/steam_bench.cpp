// The core's search for the game among Steam's libraries.

#include "figures.h"

#include "gamefiles/steamgame.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace velmora::bench {

namespace {

constexpr int kBatch = 200;

bool writeText(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    return writeFile(path, bytes);
}

/// The apps block of one library as Steam keeps it: a line per installed app.
QByteArray apps(int first)
{
    QByteArray out = "\t\t\"apps\"\n\t\t{\n";
    for (int app = first; app < first + 40; ++app)
        out += "\t\t\t\"" + QByteArray::number(app * 10 + 200) + "\"\t\t\"123456789\"\n";
    return out + "\t\t}\n";
}

QByteArray newForm(const QStringList &libraries)
{
    QByteArray out = "\"libraryfolders\"\n{\n";
    for (int i = 0; i < libraries.size(); ++i) {
        out += "\t\"" + QByteArray::number(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" +
               libraries[i].toUtf8() +
               "\"\n\t\t\"label\"\t\t\"\"\n\t\t\"contentid\"\t\t\"-4923145436537181893\"\n"
               "\t\t\"totalsize\"\t\t\"0\"\n" +
               apps(i * 40) + "\t}\n";
    }
    return out + "}\n";
}

QByteArray oldForm(const QStringList &libraries)
{
    QByteArray out = "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
                     "\t\"ContentStatsID\"\t\t\"-4923145436537181893\"\n";
    for (int i = 0; i < libraries.size(); ++i)
        out += "\t\"" + QByteArray::number(i + 1) + "\"\t\t\"" + libraries[i].toUtf8() + "\"\n";
    return out + "}\n";
}

/// Builds the fake home; returns the Steam files the search reads, in its order.
QStringList buildHome(const QString &home, const QString &disks, QString &game)
{
    const QString local = home + QStringLiteral("/.local/share/Steam");
    const QString flatpak =
        home + QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam");
    const QString snap = home + QStringLiteral("/snap/steam/common/.local/share/Steam");
    QStringList libraries;
    for (int i = 1; i <= 8; ++i)
        libraries.append(disks + QStringLiteral("/disk%1/SteamLibrary").arg(i));
    for (const QString &library : libraries + QStringList{local, flatpak, snap}) {
        // Other games' manifests and folders, as any library has them.
        QDir().mkpath(library + QStringLiteral("/steamapps/common/Portal/portal"));
        writeText(library + QStringLiteral("/steamapps/appmanifest_400.acf"),
                  "\"AppState\"\n{\n\t\"appid\"\t\t\"400\"\n\t\"installdir\"\t\t\"Portal\"\n}\n");
    }
    QDir().mkpath(home + QStringLiteral("/.steam"));
    QFile::link(local, home + QStringLiteral("/.steam/steam"));
    QFile::link(local, home + QStringLiteral("/.steam/root"));

    // Four libraries in the new form, three in the old form under config/, the last one named by
    // the Snap's Steam, which holds the game.
    const QStringList files{local + QStringLiteral("/steamapps/libraryfolders.vdf"),
                            flatpak + QStringLiteral("/config/libraryfolders.vdf"),
                            snap + QStringLiteral("/steamapps/libraryfolders.vdf"),
                            libraries[7] + QStringLiteral("/steamapps/appmanifest_70.acf")};
    writeText(files[0], newForm(QStringList{local} + libraries.mid(0, 4)));
    writeText(files[1], oldForm(libraries.mid(4, 3)));
    writeText(files[2], newForm({snap, libraries[7]}));
    writeText(files[3], "\"AppState\"\n{\n\t\"appid\"\t\t\"70\"\n\t\"name\"\t\t\"Half-Life\"\n"
                        "\t\"installdir\"\t\t\"Half-Life\"\n}\n");
    game = libraries[7] + QStringLiteral("/steamapps/common/Half-Life");
    QDir().mkpath(game + QStringLiteral("/cstrike"));
    return files;
}

} // namespace

Figure steamFigure(const Bench &bench)
{
    // The chooser's search for the Half-Life folder on a fake home with three Steam roots and
    // eight more libraries, the game in the last library searched; the floor reads the same Steam
    // files and nothing else. Each run is the mean of one batch of searches.
    Figure f{"steam", "chooser's search, 3 Steam roots and 8 libraries, game in the last",
             "reading the same Steam files", "us", 2.0};
    const QString home = bench.root + QStringLiteral("/steam-home");
    QString game;
    const QStringList files = buildHome(home, bench.root + QStringLiteral("/steam-disks"), game);
    game = QDir::toNativeSeparators(QFileInfo(game).canonicalFilePath());
    qint64 bytes = 0;
    for (const QString &file : files)
        bytes += QFileInfo(file).size();

    QString found;
    auto search = [&] {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kBatch; ++i)
            found = findSteamGameFolder(home);
        return double(timer.nsecsElapsed()) / 1e3 / kBatch;
    };
    qint64 read = 0;
    auto floor = [&] {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kBatch; ++i) {
            for (const QString &path : files) {
                QFile file(path);
                if (file.open(QIODevice::ReadOnly))
                    read += file.readAll().size();
            }
        }
        return double(timer.nsecsElapsed()) / 1e3 / kBatch;
    };
    measure(f, bench.runs, search, floor);
    if (found != game)
        f.note = QStringLiteral("the search does not find the game (%1)").arg(found);
    else
        f.note = QStringLiteral("%1 files, %2 bytes; one search is the mean of %3")
                     .arg(files.size())
                     .arg(bytes)
                     .arg(kBatch);
    return f;
}

} // namespace velmora::bench
