// The search for the Half-Life folder that Steam knows of, on fake home folders: the roots and
// their order, both forms of libraryfolders.vdf, manifests, odd spellings, links, and bad files.

#include "testfiles.h"

#include "gamefiles/steamgame.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

/// Short names in steps and expected paths: %L, %F and %S are the usual, the Flatpak and the Snap
/// Steam root, %G a library's Half-Life folder, %H the home folder.
QString expand(QString text, const QString &home)
{
    text.replace(u"%G"_s, u"/steamapps/common/Half-Life"_s);
    text.replace(u"%L"_s, u".local/share/Steam"_s);
    text.replace(u"%F"_s, u".var/app/com.valvesoftware.Steam/.local/share/Steam"_s);
    text.replace(u"%S"_s, u"snap/steam/common/.local/share/Steam"_s);
    return text.replace(u"%H"_s, home);
}

enum class Form { New, Old };

/// libraryfolders.vdf in either form, naming these folders (comma-separated).
QString libraryFile(Form form, const QString &paths)
{
    const bool newForm = form == Form::New;
    QString text = newForm
                       ? u"\"libraryfolders\"\n{\n"_s
                       : u"\"LibraryFolders\"\r\n{\r\n\t\"TimeNextStatsReport\"\t\t\"17\"\r\n"_s;
    const QStringList list = paths.split(u',');
    for (qsizetype i = 0; i < list.size(); ++i) {
        text += newForm ? u"\t\"%1\"\n\t{\n\t\t\"path\"\t\t\"%2\"\n\t\t\"label\"\t\t\"\"\n\t\t"
                          "\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"1\"\n\t\t}\n\t}\n"_s.arg(i)
                              .arg(list[i])
                        : u"\t\"%1\"\t\t\"%2\"\r\n"_s.arg(i + 1).arg(list[i]);
    }
    return text + (newForm ? u"}\n"_s : u"}\r\n"_s);
}

QString manifest(const QString &installDir)
{
    return u"\"AppState\"\n{\n\t\"appid\"\t\t\"70\"\n\t\"installdir\"\t\t\"%1\"\n}\n"_s.arg(
        installDir);
}

const QString kVdf = u"file %L/steamapps/libraryfolders.vdf|"_s;
const QString kAcf = u"file %L/steamapps/appmanifest_70.acf|"_s;

} // namespace

class TestSteamGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
        m_home = QFileInfo(m_tmp->path()).canonicalFilePath() + u"/home"_s;
        QVERIFY(QDir().mkpath(m_home));
    }

    void search_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected"); // below the home folder; empty: nothing found

        QTest::newRow("no Steam") << QString() << QString();
        QTest::newRow("Steam without the game") << u"dir %L%G"_s << QString();
        QTest::newRow("cstrike in another case") << u"dir %L%G/Cstrike"_s << QString();
        QTest::newRow("Snap") << u"game %S"_s << u"%S%G"_s;
        QTest::newRow("Flatpak before Snap") << u"game %S;game %F"_s << u"%F%G"_s;
        QTest::newRow("~/.local before Flatpak") << u"game %F;game %L"_s << u"%L%G"_s;
        QTest::newRow("~/.steam/steam links to the Flatpak, ahead of ~/.local")
            << u"game %L;game %F;link .steam/steam|%H/%F;link .steam/root|../%F"_s << u"%F%G"_s;
        QTest::newRow("only through ~/.steam/root")
            << u"game opt/steam;link .steam/root|%H/opt/steam"_s << u"opt/steam%G"_s;
        QTest::newRow("a file named steamapps, the folder SteamApps")
            << u"file %L/steamapps|x;dir %L/SteamApps/common/Half-Life/cstrike"_s
            << u"%L/SteamApps/common/Half-Life"_s;
        QTest::newRow("steamapps in a third spelling")
            << u"dir %L/STEAMAPPS/common/Half-Life/cstrike"_s << u"%L/STEAMAPPS/common/Half-Life"_s;
        QTest::newRow("a file named cstrike") << u"file %L%G/cstrike|x"_s << QString();
        QTest::newRow("installdir before Half-Life")
            << u"game %L|HL 1.1;game %L;"_s + kAcf + manifest(u"HL 1.1"_s)
            << u"%L/steamapps/common/HL 1.1"_s;
        QTest::newRow("a block named installdir before the text")
            << u"game %L|HL 1.1;"_s + kAcf +
                   u"\"AppState\" { \"installdir\" { } \"installdir\" \"HL 1.1\" }"_s
            << u"%L/steamapps/common/HL 1.1"_s;
        QTest::newRow("installdir ..")
            << u"dir %L/steamapps/common;dir %L/steamapps/cstrike;"_s + kAcf + manifest(u".."_s)
            << QString();
        QTest::newRow("a key that is no number names no library")
            << u"game lib;"_s + kVdf + u"\"libraryfolders\" { \"label\" \"%H/lib\" }"_s
            << QString();
        // Libraries count once each, however often they are named: these are all different.
        QString missing;
        for (int i = 1; i < velmora::kSteamMaxLibraries; ++i)
            missing += u"%H/missing"_s + QString::number(i) + u',';
        QTest::newRow("the last library counted")
            << u"game lib;"_s + kVdf + libraryFile(Form::New, missing + u"%H/lib"_s) << u"lib%G"_s;
        QTest::newRow("one library beyond the count")
            << u"game lib;"_s + kVdf + libraryFile(Form::New, missing + u"%H/m,%H/lib"_s)
            << QString();
        QTest::newRow("SteamApps spelling, old form")
            << u"dir lib/SteamApps/common/Half-Life/cstrike;file %L/SteamApps/libraryfolders.vdf|"_s +
                   libraryFile(Form::Old, u"%H/lib"_s)
            << u"lib/SteamApps/common/Half-Life"_s;
        QTest::newRow("new form, behind ~/.steam/steam")
            << u"link .steam/steam|%H/%L;game lib;"_s + kVdf +
                   libraryFile(Form::New, u"%H/%L,%H/lib"_s)
            << u"lib%G"_s;
        QTest::newRow("old form in config/") << u"game lib;file %L/config/libraryfolders.vdf|"_s +
                                                    libraryFile(Form::Old, u"%H/lib"_s)
                                             << u"lib%G"_s;
        QTest::newRow("Flatpak, old form, another installdir")
            << u"game games|HL 1.1;file games/steamapps/appmanifest_70.acf|"_s +
                   manifest(u"HL 1.1"_s) + u";file %F/steamapps/libraryfolders.vdf|"_s +
                   libraryFile(Form::Old, u"%H/games"_s)
            << u"games/steamapps/common/HL 1.1"_s;
        QTest::newRow("a library without the game before one with it")
            << u"dir a%G;game b;file a/steamapps/appmanifest_70.acf|"_s + manifest(u"Half-Life"_s) +
                   u";"_s + kVdf + libraryFile(Form::New, u"%H/a,%H/b"_s)
            << u"b%G"_s;
        QTest::newRow("the file's order, not the names'")
            << u"game a;game b;"_s + kVdf + libraryFile(Form::New, u"%H/b,%H/a"_s) << u"b%G"_s;
        QTest::newRow("the root before the libraries it names")
            << u"game lib;game %L;"_s + kVdf + libraryFile(Form::Old, u"%H/lib"_s) << u"%L%G"_s;
        QTest::newRow("installdir without cstrike, Half-Life with it")
            << u"dir %L/steamapps/common/HL2;game %L;"_s + kAcf + manifest(u"HL2"_s) << u"%L%G"_s;
        QTest::newRow("installdir leading out of common/")
            << u"dir .local/share/elsewhere/cstrike;"_s + kAcf + manifest(u"../../../elsewhere"_s)
            << QString();
        QTest::newRow("manifest is a FIFO, Half-Life still counts")
            << u"fifo %L/steamapps/appmanifest_70.acf;game %L"_s << u"%L%G"_s;
        QTest::newRow("missing, looping and odd library paths are skipped")
            << u"link loop|%H/loop2;link loop2|%H/loop;link dangling|%H/nowhere;file afile|x;"
               "game relative/lib;game lib;"_s +
                   kVdf +
                   libraryFile(Form::New,
                               u"%H/missing,%H/loop,relative/lib,%H/afile,%H/dangling,%H/lib"_s)
            << u"lib%G"_s;

        // Named 200 times, by one path and others leading to it: looked at once, counted once.
        const QString again = u"%H/big,%H/big/,%H//big,%H/link,"_s.repeated(50);
        QTest::newRow("one folder named 200 times")
            << u"dir big/x;link link|%H/big;game lib;"_s + kVdf +
                   libraryFile(Form::New, again + u"%H/lib"_s)
            << u"lib%G"_s;

        // A library file that would name the game's library, spoilt in each way a file can be.
        const QString listed = libraryFile(Form::New, u"%H/lib"_s);
        const QString deep = u"\"x\" {"_s.repeated(100) + u"}"_s.repeated(100);
        const std::pair<const char *, QString> spoilt[] = {
            {"truncated", listed.left(listed.size() - 4)},
            {"unbalanced", listed + u'}'},
            {"nested too deep", QString(listed).insert(listed.indexOf(u'{') + 1, deep)},
            {"binary", listed + QChar(0)},
            {"enormous", listed + QString(2 * 1024 * 1024, u' ')},
        };
        for (const auto &[name, text] : spoilt)
            QTest::addRow("library file %s", name) << u"game lib;"_s + kVdf + text << QString();
        QTest::newRow("library file is a FIFO")
            << u"game lib;fifo %L/steamapps/libraryfolders.vdf"_s << QString();
    }

    void search()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        build(steps);
        if (!expected.isEmpty()) // nothing is found once the search's time is up
            QCOMPARE(velmora::findSteamGameFolder(m_home, QDeadlineTimer(0)), QString());
        // A relative library path leads nowhere, even where it would name a folder from here.
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_home);
        const auto back = qScopeGuard([&before] { QDir::setCurrent(before); });
        QCOMPARE(velmora::findSteamGameFolder(m_home, QDeadlineTimer::Forever),
                 expected.isEmpty()
                     ? QString()
                     : QDir::toNativeSeparators(m_home + u'/' + expand(expected, m_home)));
    }

    void librariesListedOnce()
    {
        // Steam's own file names its root among the libraries, and a link may name one again.
        build(u"game %L;game lib;link lib2|%H/lib;"_s + kVdf +
              libraryFile(Form::New, u"%H/%L,%H/lib,%H/lib2"_s));
        const QString root = expand(u"%H/%L"_s, m_home);
        QCOMPARE(velmora::steamLibraries(root), (QStringList{root, expand(u"%H/lib"_s, m_home)}));
    }

    void rootsAreListedOnce()
    {
        // The launcher's two links and a Flatpak, as most installs have them.
        build(
            u"dir %L;dir %F;link .steam/steam|%H/%L;link .steam/root|%H/.steam/steam;link %S|%H/%F"_s);
        // Each folder once, by the first path that leads to it.
        QCOMPARE(velmora::steamRoots(m_home),
                 (QStringList{m_home + u"/.steam/steam"_s, expand(u"%H/%F"_s, m_home)}));
        QCOMPARE(velmora::steamRoots(QString()), QStringList());
    }

private:
    /// Builds the fake home, steps parted by ';': "game LIB[|INSTALLDIR]" (its cstrike folder),
    /// "dir PATH", "file PATH|CONTENT", "link PATH|TARGET", "fifo PATH"; paths below the home.
    void build(const QString &steps)
    {
        for (const QString &line : steps.split(u';', Qt::SkipEmptyParts)) {
            const QString text = expand(line, m_home);
            const qsizetype space = text.indexOf(u' ');
            const qsizetype bar = text.indexOf(u'|');
            const QString verb = text.left(space);
            const QString path =
                m_home + u'/' + text.mid(space + 1, bar < 0 ? -1 : bar - space - 1);
            const QString rest = bar < 0 ? QString() : text.mid(bar + 1);
            if (verb != u"file" && verb != u"dir")
                QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            if (verb == u"game") {
                const QString installDir = rest.isEmpty() ? u"Half-Life"_s : rest;
                QVERIFY(QDir().mkpath(path + u"/steamapps/common/"_s + installDir + u"/cstrike"_s));
            } else if (verb == u"dir") {
                QVERIFY(QDir().mkpath(path));
            } else if (verb == u"file") {
                writeBytes(path, rest.toUtf8());
            } else if (verb == u"link") {
                QVERIFY2(QFile::link(rest, path), qPrintable(path));
            } else if (verb == u"fifo") {
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            } else {
                QFAIL(qPrintable(line));
            }
        }
    }

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_home;
};

QTEST_GUILESS_MAIN(TestSteamGame)
#include "tst_steamgame.moc"
