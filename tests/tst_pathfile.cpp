#include "gamefiles/pathfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

class TestPathFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void locations()
    {
        QCOMPARE(pathFileLocation(u"/opt/velmora"_qs), u"/opt/velmora/dir.vlm"_qs);
        const QString sep = QDir::separator();
        QCOMPARE(gameFile(u"/games/Half-Life"_qs, u"config.cfg"_qs),
                 u"/games/Half-Life"_qs + sep + u"cstrike"_qs + sep + u"config.cfg"_qs);
        // Appended without normalisation: a root folder keeps its own separator.
        QCOMPARE(gameFile(u"/"_qs, u"autoexec.cfg"_qs),
                 u"/"_qs + sep + u"cstrike"_qs + sep + u"autoexec.cfg"_qs);
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("folder");
        QTest::newRow("CR LF") << QByteArray("/games/hl\r\n") << int(PathFileRead::Status::Folder)
                               << u"/games/hl"_qs;
        QTest::newRow("no line end")
            << QByteArray("/games/hl") << int(PathFileRead::Status::Folder) << u"/games/hl"_qs;
        QTest::newRow("LF") << QByteArray("/games/hl\n") << int(PathFileRead::Status::Folder)
                            << u"/games/hl"_qs;
        QTest::newRow("lone CR") << QByteArray("/old\r/games/hl\r")
                                 << int(PathFileRead::Status::Folder) << u"/games/hl"_qs;
        QTest::newRow("several lines: the last")
            << QByteArray("/first\r\n/second\r\n/games/hl\r\n") << int(PathFileRead::Status::Folder)
            << u"/games/hl"_qs;
        QTest::newRow("leading spaces dropped")
            << QByteArray("   /games/hl \r\n") << int(PathFileRead::Status::Folder)
            << u"/games/hl "_qs;
        QTest::newRow("trailing blank line")
            << QByteArray("/games/hl\r\n\r\n  \r\n") << int(PathFileRead::Status::Folder)
            << u"/games/hl"_qs;
        QTest::newRow("commas, blanks, Cyrillic")
            << QByteArray("/игры/Half-Life, мой\r\n") << int(PathFileRead::Status::Folder)
            << u"/игры/Half-Life, мой"_qs;
        QTest::newRow("Windows folder")
            << QByteArray("C:\\Games\\Half-Life\r\n") << int(PathFileRead::Status::Folder)
            << u"C:\\Games\\Half-Life"_qs;
        QTest::newRow("zero is a line")
            << QByteArray("0\r\n") << int(PathFileRead::Status::Folder) << u"0"_qs;
        QTest::newRow("empty") << QByteArray() << int(PathFileRead::Status::Nothing) << QString();
        QTest::newRow("only blank lines")
            << QByteArray("\r\n \r\n\n\t\r") << int(PathFileRead::Status::Nothing) << QString();
    }

    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        QFETCH(QString, folder);
        QTemporaryDir dir;
        writeBytes(pathFileLocation(dir.path()), content);
        const PathFileRead result = readPathFile(dir.path());
        QCOMPARE(int(result.status), status);
        QCOMPARE(result.folder, folder);
        QVERIFY(result.error.isEmpty());
    }

    void readFailures()
    {
        QTemporaryDir dir;
        const PathFileRead missing = readPathFile(dir.path());
        QCOMPARE(int(missing.status), int(PathFileRead::Status::Failed));
        QVERIFY(!missing.error.isEmpty());

        QVERIFY(QDir(dir.path()).mkdir(u"dir.vlm"_qs));
        const PathFileRead directory = readPathFile(dir.path());
        QCOMPARE(int(directory.status), int(PathFileRead::Status::Failed));
        QVERIFY(!directory.error.isEmpty());
    }

    void writeThenRead()
    {
        QTemporaryDir dir;
        const QString folder = u"/игры/Half-Life, 1.6"_qs;
        QVERIFY(writePathFile(dir.path(), u"/old"_qs).isEmpty());
        QVERIFY(writePathFile(dir.path(), folder).isEmpty());
        QCOMPARE(readBytes(pathFileLocation(dir.path())), folder.toUtf8() + "\r\n");
        QCOMPARE(readPathFile(dir.path()).folder, folder);
    }

    void writeFailsInAMissingFolder()
    {
        QTemporaryDir dir;
        QVERIFY(!writePathFile(dir.filePath(u"missing"_qs), u"/games"_qs).isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(u"missing"_qs)));
    }

    void deleteFile()
    {
        QTemporaryDir dir;
        QVERIFY(writePathFile(dir.path(), u"/games"_qs).isEmpty());
        QVERIFY(deletePathFile(dir.path()).isEmpty());
        QVERIFY(!QFile::exists(pathFileLocation(dir.path())));
        QVERIFY(deletePathFile(dir.path()).isEmpty()); // already gone: nothing to report
        QVERIFY(QFile::link(dir.filePath(u"nowhere"_qs), pathFileLocation(dir.path())));
        QVERIFY(deletePathFile(dir.path()).isEmpty()); // a link to nothing goes too
        QVERIFY(!QFileInfo(pathFileLocation(dir.path())).isSymLink());
        QVERIFY(QDir(dir.path()).mkdir(u"dir.vlm"_qs));
        QVERIFY(!deletePathFile(dir.path()).isEmpty());
    }

    void noFolderNames_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("noFolder");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("0") << u"0"_qs << true;
        QTest::newRow("00") << u"00"_qs << true;
        QTest::newRow("0 and blank") << u"0 "_qs << true;
        QTest::newRow("0.0") << u"0.0"_qs << true;
        QTest::newRow("-0") << u"-0"_qs << true;
        QTest::newRow("1") << u"1"_qs << false;
        QTest::newRow("folder") << u"/games/hl"_qs << false;
        QTest::newRow("folder named 0x") << u"0x"_qs << false;
        QTest::newRow("root") << u"/"_qs << false;
    }

    void noFolderNames()
    {
        QFETCH(QString, stored);
        QFETCH(bool, noFolder);
        QCOMPARE(namesNoFolder(stored), noFolder);
    }

    void storePrefersTheFileBesideTheProgram()
    {
        QTemporaryDir program, user;
        const PathFileStore store(program.path(), user.path());
        QVERIFY(writePathFile(user.path(), u"/user/hl"_qs).isEmpty());
        QCOMPARE(store.read().folder, u"/user/hl"_qs);
        QVERIFY(writePathFile(program.path(), u"/program/hl"_qs).isEmpty());
        QCOMPARE(store.read().folder, u"/program/hl"_qs);
        QVERIFY(store.remove().isEmpty());
        QVERIFY(!QFile::exists(pathFileLocation(program.path())));
        QVERIFY(!QFile::exists(pathFileLocation(user.path())));
        QCOMPARE(int(store.read().status), int(PathFileRead::Status::Failed));
    }

    void storeFallsBackToTheUserFolder()
    {
        // A program folder that cannot take a file (a missing folder stands in for a read-only
        // one, which root could still write).
        QTemporaryDir base;
        const QString program = base.filePath(u"not-there"_qs);
        const QString user = base.filePath(u"config/velmora"_qs);
        const PathFileStore store(program, user);
        QVERIFY(store.write(u"/games/hl"_qs).isEmpty());
        QCOMPARE(readBytes(pathFileLocation(user)), QByteArray("/games/hl\r\n"));
        QCOMPARE(store.read().folder, u"/games/hl"_qs);

        const PathFileStore nowhere(program, base.filePath(u"file/inside"_qs));
        writeBytes(base.filePath(u"file"_qs), "not a folder");
        QVERIFY(!nowhere.write(u"/games/hl"_qs).isEmpty());
    }

    void installedProgramKeepsItPerUser_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<bool>("installed");
        QTest::newRow("package") << u"/usr/bin"_qs << true;
        QTest::newRow("administrator") << u"/usr/local/bin"_qs << true;
        QTest::newRow("the player's copy") << QString() << false;
    }
    void installedProgramKeepsItPerUser()
    {
        QFETCH(QString, programFolder);
        QFETCH(bool, installed);
        QTemporaryDir copy, user;
        const QString program = programFolder.isEmpty() ? copy.path() : programFolder;
        QCOMPARE(isSystemFolder(program), installed);
        // Whoever runs it, root included: nothing is left in a folder no package owns.
        const PathFileStore store(program, user.path());
        QCOMPARE(store.write(u"/games/hl"_qs), QString());
        QCOMPARE(QFile::exists(pathFileLocation(user.path())), installed);
        QCOMPARE(store.read().folder, u"/games/hl"_qs);
    }

    void storeWritesBesideAWritableProgram()
    {
        QTemporaryDir program, user;
        const PathFileStore store(program.path(), user.path());
        QVERIFY(store.write(u"/games/hl"_qs).isEmpty());
        QVERIFY(QFile::exists(pathFileLocation(program.path())));
        QVERIFY(!QFile::exists(pathFileLocation(user.path())));
        // The per-user file that cannot go is reported, though the program's went.
        QVERIFY(QDir(user.path()).mkdir(u"dir.vlm"_qs));
        QVERIFY(!store.remove().isEmpty());
    }

    void storeBesideWhatIsInTheWay_data()
    {
        QTest::addColumn<bool>("folder"); ///< a folder in dir.vlm's place, else a read-only file
        QTest::addColumn<bool>("written");
        QTest::newRow("read-only file: a per-user copy, the stale one gone") << false << true;
        QTest::newRow("folder: refused and kept") << true << false;
    }

    void storeBesideWhatIsInTheWay()
    {
        QFETCH(bool, folder);
        QFETCH(bool, written);
        QTemporaryDir program, user;
        const QString standing = pathFileLocation(program.path());
        if (folder) {
            QVERIFY(QDir(program.path()).mkdir(u"dir.vlm"_qs));
        } else {
            QVERIFY(writePathFile(program.path(), u"/old"_qs).isEmpty());
            QVERIFY(QFile::setPermissions(standing, QFile::ReadOwner));
        }
        const PathFileStore store(program.path(), user.path());
        QCOMPARE(store.write(u"/games/hl"_qs).isEmpty(), written);
        QCOMPARE(QFile::exists(pathFileLocation(user.path())), written);
        QCOMPARE(QFileInfo::exists(standing), folder);
        if (written)
            QCOMPARE(store.read().folder, u"/games/hl"_qs);
    }
};

QTEST_GUILESS_MAIN(TestPathFile)
#include "tst_pathfile.moc"
