// The search for the Half-Life folder that Steam knows of, on fake home folders: the roots and
// their order, both forms of libraryfolders.vdf, manifests, odd spellings, links, and bad files.

#include "testfiles.h"

#include "gamefiles/steamgame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString kLocal = QStringLiteral(".local/share/Steam");
const QString kFlatpak = QStringLiteral(".var/app/com.valvesoftware.Steam/.local/share/Steam");
const QString kSnap = QStringLiteral("snap/steam/common/.local/share/Steam");

/// A game folder below a library, relative to the home folder.
QString game(const QString &library, const QString &installDir = QStringLiteral("Half-Life"))
{
    return library + QStringLiteral("/steamapps/common/") + installDir;
}

/// libraryfolders.vdf in the new form, naming these folders ("%H" stands for the home folder).
QString newForm(const QStringList &paths)
{
    QString text = QStringLiteral("\"libraryfolders\"\n{\n");
    for (qsizetype i = 0; i < paths.size(); ++i)
        text += QStringLiteral("\t\"%1\"\n\t{\n\t\t\"path\"\t\t\"%2\"\n\t\t\"label\"\t\t\"\"\n\t\t"
                               "\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"1\"\n\t\t}\n\t}\n")
                    .arg(i)
                    .arg(paths[i]);
    return text + QStringLiteral("}\n");
}

/// libraryfolders.vdf in the old form.
QString oldForm(const QStringList &paths)
{
    QString text =
        QStringLiteral("\"LibraryFolders\"\r\n{\r\n\t\"TimeNextStatsReport\"\t\t\"17\"\r\n"
                       "\t\"ContentStatsID\"\t\t\"-4\"\r\n");
    for (qsizetype i = 0; i < paths.size(); ++i)
        text += QStringLiteral("\t\"%1\"\t\t\"%2\"\r\n").arg(i + 1).arg(paths[i]);
    return text + QStringLiteral("}\r\n");
}

QString manifest(const QString &installDir)
{
    return QStringLiteral("\"AppState\"\n{\n\t\"appid\"\t\t\"70\"\n\t\"name\"\t\t\"Half-Life\"\n\t"
                          "\"installdir\"\t\t\"%1\"\n}\n")
        .arg(installDir);
}

/// Between the parts of a step: contents hold tabs and line breaks.
constexpr QChar kSeparator(0x1f);

/// One step of building a fake home: "game LIB [INSTALLDIR]" (its cstrike folder), "dir PATH",
/// "file PATH CONTENT", "link PATH TARGET", "fifo PATH". Paths are relative to the home folder;
/// "%H" in contents and link targets stands for it.
QString step(const QString &verb, const QString &path, const QString &rest = QString())
{
    return verb + kSeparator + path + (rest.isNull() ? QString() : kSeparator + rest);
}

} // namespace

class TestSteamGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void search_data();
    void search();
    void rootsAreListedOnce();

private:
    void build(const QStringList &steps);

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_home;
};

void TestSteamGame::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_home = QFileInfo(m_tmp->path()).canonicalFilePath() + QStringLiteral("/home");
    QVERIFY(QDir().mkpath(m_home));
}

void TestSteamGame::build(const QStringList &steps)
{
    for (const QString &line : steps) {
        const QStringList parts = line.split(kSeparator);
        const QString verb = parts[0];
        const QString path = m_home + u'/' + parts[1];
        QString rest = parts.value(2);
        rest.replace(QStringLiteral("%H"), m_home);
        if (verb == u"game") {
            QVERIFY(QDir().mkpath(game(path, rest.isEmpty() ? QStringLiteral("Half-Life") : rest) +
                                  QStringLiteral("/cstrike")));
        } else if (verb == u"dir") {
            QVERIFY(QDir().mkpath(path));
        } else if (verb == u"file") {
            writeBytes(path, rest.toUtf8());
        } else if (verb == u"link") {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QVERIFY2(QFile::link(rest, path), qPrintable(path));
        } else if (verb == u"fifo") {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QFAIL(qPrintable(line));
        }
    }
}

void TestSteamGame::search_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected"); // relative to the home folder; empty: nothing found

    const QString vdf = kLocal + u"/steamapps/libraryfolders.vdf"_s;
    const QString acf = kLocal + u"/steamapps/appmanifest_70.acf"_s;
    const QString lib = u"disk2/SteamLibrary"_s;
    auto home = [](const QString &path) -> QString { return u"%H/"_s + path; };

    QTest::newRow("no Steam") << QStringList() << QString();
    QTest::newRow("Steam without the game")
        << QStringList{step(u"dir"_s, game(kLocal))} << QString(); // no cstrike folder
    QTest::newRow("cstrike in another case")
        << QStringList{step(u"dir"_s, game(kLocal) + u"/Cstrike"_s)} << QString();
    QTest::newRow("the usual root") << QStringList{step(u"game"_s, kLocal)} << game(kLocal);
    QTest::newRow("Flatpak") << QStringList{step(u"game"_s, kFlatpak)} << game(kFlatpak);
    QTest::newRow("Snap") << QStringList{step(u"game"_s, kSnap)} << game(kSnap);
    QTest::newRow("roots in order")
        << QStringList{step(u"game"_s, kSnap), step(u"game"_s, kFlatpak), step(u"game"_s, kLocal)}
        << game(kLocal);
    QTest::newRow("~/.steam/steam links to the Flatpak, ahead of ~/.local")
        << QStringList{step(u"game"_s, kLocal), step(u"game"_s, kFlatpak),
                       step(u"link"_s, u".steam/steam"_s, home(kFlatpak)),
                       step(u"link"_s, u".steam/root"_s, u"../"_s + kFlatpak)}
        << game(kFlatpak);
    QTest::newRow("SteamApps spelling")
        << QStringList{step(u"dir"_s, kLocal + u"/SteamApps/common/Half-Life/cstrike"_s)}
        << kLocal + u"/SteamApps/common/Half-Life"_s;

    QTest::newRow("new form, behind ~/.steam/steam")
        << QStringList{step(u"link"_s, u".steam/steam"_s, home(kLocal)),
                       step(u"file"_s, vdf, newForm({home(kLocal), home(lib)})),
                       step(u"game"_s, lib)}
        << game(lib);
    QTest::newRow("old form in config/")
        << QStringList{step(u"dir"_s, kLocal),
                       step(u"file"_s, kLocal + u"/config/libraryfolders.vdf"_s,
                            oldForm({home(lib)})),
                       step(u"game"_s, lib)}
        << game(lib);
    QTest::newRow("old form under SteamApps")
        << QStringList{step(u"file"_s, kLocal + u"/SteamApps/libraryfolders.vdf"_s,
                            oldForm({home(lib)})),
                       step(u"game"_s, lib)}
        << game(lib);
    QTest::newRow("Flatpak, old form, another installdir")
        << QStringList{step(u"file"_s, kFlatpak + u"/steamapps/libraryfolders.vdf"_s,
                            oldForm({home(u"games"_s)})),
                       step(u"file"_s, u"games/steamapps/appmanifest_70.acf"_s,
                            manifest(u"HL 1.1"_s)),
                       step(u"game"_s, u"games"_s, u"HL 1.1"_s)}
        << game(u"games"_s, u"HL 1.1"_s);
    QTest::newRow("a library without the game before one with it")
        << QStringList{step(u"file"_s, vdf, newForm({home(u"a"_s), home(u"b"_s)})),
                       step(u"dir"_s, game(u"a"_s)), // no cstrike
                       step(u"file"_s, u"a/steamapps/appmanifest_70.acf"_s,
                            manifest(u"Half-Life"_s)),
                       step(u"game"_s, u"b"_s)}
        << game(u"b"_s);
    QTest::newRow("the file's order, not the names'")
        << QStringList{step(u"file"_s, vdf, newForm({home(u"b"_s), home(u"a"_s)})),
                       step(u"game"_s, u"a"_s), step(u"game"_s, u"b"_s)}
        << game(u"b"_s);
    QTest::newRow("the root before the libraries it names")
        << QStringList{step(u"file"_s, vdf, oldForm({home(lib)})), step(u"game"_s, lib),
                       step(u"game"_s, kLocal)}
        << game(kLocal);
    QTest::newRow("installdir without cstrike, Half-Life with it")
        << QStringList{step(u"file"_s, acf, manifest(u"HL2"_s)),
                       step(u"dir"_s, game(kLocal, u"HL2"_s)), step(u"game"_s, kLocal)}
        << game(kLocal);
    QTest::newRow("installdir leading out of common/")
        << QStringList{step(u"file"_s, acf, manifest(u"../../../elsewhere"_s)),
                       step(u"dir"_s, u".local/share/elsewhere/cstrike"_s)}
        << QString();
    QTest::newRow("truncated manifest, Half-Life still counts")
        << QStringList{step(u"file"_s, acf, manifest(u"HL"_s).left(30)),
                       step(u"game"_s, kLocal, u"HL"_s), step(u"game"_s, kLocal)}
        << game(kLocal);
    QTest::newRow("manifest is a FIFO, Half-Life still counts")
        << QStringList{step(u"fifo"_s, acf), step(u"game"_s, kLocal)} << game(kLocal);

    const QStringList badLibraries{home(u"missing"_s), home(u"loop"_s), u"relative/lib"_s,
                                   home(u"afile"_s), home(u"dangling"_s)};
    QTest::newRow("missing, looping and odd library paths are skipped")
        << QStringList{step(u"file"_s, vdf, newForm(badLibraries + QStringList{home(lib)})),
                       step(u"link"_s, u"loop"_s, home(u"loop2"_s)),
                       step(u"link"_s, u"loop2"_s, home(u"loop"_s)),
                       step(u"link"_s, u"dangling"_s, home(u"nowhere"_s)),
                       step(u"file"_s, u"afile"_s, u"x"_s),
                       step(u"game"_s, u"relative/lib"_s),
                       step(u"game"_s, lib)}
        << game(lib);

    // A library file that would name the game's library, spoilt in each way a file can be.
    const QString listed = newForm({home(lib)});
    const QString deep = u"\"x\" {"_s.repeated(100) + u"}"_s.repeated(100);
    const std::pair<const char *, QString> spoilt[] = {
        {"truncated", listed.left(listed.size() - 4)},
        {"unbalanced", listed + u'}'},
        {"nested too deep", QString(listed).insert(listed.indexOf(u'{') + 1, deep)},
        {"binary", listed + QChar(0)},
        {"enormous", listed + QString(2 * 1024 * 1024, u' ')},
    };
    for (const auto &[name, text] : spoilt) {
        QTest::addRow("library file %s", name)
            << QStringList{step(u"file"_s, vdf, text), step(u"game"_s, lib)} << QString();
    }
    QTest::newRow("library file is a FIFO")
        << QStringList{step(u"fifo"_s, vdf), step(u"game"_s, lib)} << QString();
}

void TestSteamGame::search()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    build(steps);
    const QString found = velmora::findSteamGameFolder(m_home);
    QCOMPARE(found,
             expected.isEmpty() ? QString() : QDir::toNativeSeparators(m_home + u'/' + expected));
}

void TestSteamGame::rootsAreListedOnce()
{
    // The launcher's two links and a Flatpak, as most installs have them.
    build({step(u"dir"_s, kLocal), step(u"dir"_s, kFlatpak),
           step(u"link"_s, u".steam/steam"_s, u"%H/"_s + kLocal),
           step(u"link"_s, u".steam/root"_s, u"%H/.steam/steam"_s),
           step(u"link"_s, kSnap, u"%H/"_s + kFlatpak)});
    // Each folder once, by the first path that leads to it.
    QCOMPARE(velmora::steamRoots(m_home),
             (QStringList{m_home + u"/.steam/steam"_s, m_home + u'/' + kFlatpak}));
    QCOMPARE(velmora::steamRoots(QString()), QStringList());
}

QTEST_GUILESS_MAIN(TestSteamGame)
#include "tst_steamgame.moc"
