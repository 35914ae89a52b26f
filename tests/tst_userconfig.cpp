// The userconfig.cfg chain: which lines the game's console runs as `exec autoexec.cfg`, and the
// lines Velmora adds when none does.

#include "gamefiles/consolescript.h"
#include "gamefiles/userconfig.h"
#include "literalbytes.h"
#ifdef Q_OS_UNIX
#include "nonregularfiles.h"
#endif
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace velmora;

Q_DECLARE_METATYPE(ChainState)

namespace {

const QByteArray kComment = "// Velmora: config.cfg runs after autoexec.cfg and brings the old "
                            "values back, so run autoexec.cfg again";

/// The lines the chain adds, ended with the given line end.
QByteArray chainLines(const QByteArray &lineEnd)
{
    return kComment + lineEnd + "exec autoexec.cfg" + lineEnd;
}

} // namespace

class TestUserconfig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_game = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_game->path()).mkdir(u"cstrike"_qs));
    }

    void activeLine_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("runs");
        QTest::newRow("plain") << QByteArray("exec autoexec.cfg\r\n") << true;
        QTest::newRow("last line, no line end")
            << QByteArray("bind a b\nexec autoexec.cfg") << true;
        QTest::newRow("upper case") << QByteArray("EXEC AutoExec.CFG\n") << true;
        QTest::newRow("blanks and tabs") << QByteArray(" \t exec\t\tautoexec.cfg \t\r\n") << true;
        QTest::newRow("quoted name") << QByteArray("exec \"autoexec.cfg\"\n") << true;
        QTest::newRow("quoted command") << QByteArray("\"exec\" autoexec.cfg\n") << true;
        QTest::newRow("after ;") << QByteArray("echo hi; exec autoexec.cfg\n") << true;
        QTest::newRow("before ; and a comment")
            << QByteArray("exec autoexec.cfg;// later\n") << true;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "exec autoexec.cfg\n")
                                         << true;
        QTest::newRow("CR only between lines: one line")
            << QByteArray("exec autoexec.cfg\rx\r") << false;
        // A // hides the rest of its command only: a ; outside quotes still ends it.
        QTest::newRow("after a comment's ;") << QByteArray("// note; exec autoexec.cfg\n") << true;
        QTest::newRow("commented") << QByteArray("//exec autoexec.cfg\n") << false;
        QTest::newRow("commented after blanks") << QByteArray("  // exec autoexec.cfg\n") << false;
        QTest::newRow("inside quotes")
            << QByteArray("alias go \"exec autoexec.cfg\"\nalias x \"a;exec autoexec.cfg\"\n")
            << false;
        QTest::newRow("after a comment's quote")
            << QByteArray("// it is \"mine; exec autoexec.cfg\n") << false;
        QTest::newRow("another file")
            << QByteArray("exec autoexec.cfg.bak\nexec config.cfg\n") << false;
        QTest::newRow("a third word") << QByteArray("exec autoexec.cfg now\n") << false;
        QTest::newRow("a colon is a word") << QByteArray("exec autoexec.cfg:\n") << false;
        QTest::newRow("a third word too long to read")
            << QByteArray("exec autoexec.cfg " + QByteArray(515, 'x') + "\n") << true;
        QTest::newRow("a third word just short enough")
            << QByteArray("exec autoexec.cfg " + QByteArray(514, 'x') + "\n") << false;
        QTest::newRow("joined") << QByteArray("execautoexec.cfg\n") << false;
        QTest::newRow("after a NUL byte") << bytes("bind a b\n\0exec autoexec.cfg\n") << false;
        // A command is cut after 1023 bytes; the byte after the cut is lost, the rest runs.
        QTest::newRow("rest of a long line")
            << QByteArray("echo " + QByteArray(1018, 'x') + "#exec autoexec.cfg\n") << true;
        QTest::newRow("long line, cut inside")
            << QByteArray("echo " + QByteArray(1017, 'x') + "#exec autoexec.cfg\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void activeLine()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, runs);
        QCOMPARE(scriptExecs(script, "autoexec.cfg"), runs);
    }

    void appendedLines_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("empty") << QByteArray() << chainLines("\r\n");
        QTest::newRow("CR LF") << QByteArray("bind a b\r\n") << "bind a b\r\n" + chainLines("\r\n");
        QTest::newRow("LF") << QByteArray("bind a b\nx\n") << "bind a b\nx\n" + chainLines("\n");
        QTest::newRow("CR LF, no final line end")
            << QByteArray("a\r\nb") << "a\r\nb\r\n" + chainLines("\r\n");
        QTest::newRow("LF, no final line end") << QByteArray("a\nb") << "a\nb\n" + chainLines("\n");
        QTest::newRow("one line, no line end") << QByteArray("b") << "b\r\n" + chainLines("\r\n");
        QTest::newRow("CR only") << QByteArray("a\rb\r") << "a\rb\r\r\n" + chainLines("\r\n");
        QTest::newRow("commented line stays") << QByteArray("// exec autoexec.cfg\r\n")
                                              << "// exec autoexec.cfg\r\n" + chainLines("\r\n");
        QTest::newRow("already active")
            << QByteArray("EXEC \"autoexec.cfg\"") << QByteArray("EXEC \"autoexec.cfg\"");
        // The game stops reading at a NUL byte: an added line would never run.
        QTest::newRow("NUL byte") << bytes("bind a b\r\n\0") << bytes("bind a b\r\n\0");
    }
    void appendedLines()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QCOMPARE(withUserconfigChain(before), after);
        QCOMPARE(scriptExecs(after, "autoexec.cfg"), !before.contains('\0'));
    }

    void addToFile_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("missing file") << false << QByteArray();
        QTest::newRow("LF file") << true << QByteArray("name \"x\"\nbind a b");
        QTest::newRow("bytes beyond UTF-8") << true << bytes("say \xFF\xFE\r\n");
    }
    void addToFile()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, before);
        if (exists) {
            QVERIFY(writeFile(userconfig(), before));
            QVERIFY(QFile::setPermissions(userconfig(), QFile::ReadOwner | QFile::WriteOwner));
        }
        QCOMPARE(addUserconfigChain(m_game->path()), QString());
        QCOMPARE(readBytes(userconfig()), withUserconfigChain(before));
        if (exists) {
            QCOMPARE(QFile::permissions(userconfig()) & 0x7077,
                     QFile::ReadOwner | QFile::WriteOwner);
        }
        // Once chained, a second call writes nothing: no second line.
        int opened = 0;
        QCOMPARE(addUserconfigChain(m_game->path(),
                                    [&opened](const QString &path) {
                                        ++opened;
                                        return std::make_unique<QSaveFile>(path);
                                    }),
                 QString());
        QCOMPARE(opened, 0);
        QCOMPARE(readBytes(userconfig()), withUserconfigChain(before));
    }

    void refusedTargets()
    {
        QVERIFY(writeFile(userconfig(), "bind a b\r\n"));
        QVERIFY(QFile::setPermissions(userconfig(), QFile::ReadOwner | QFile::ReadGroup));
        QCOMPARE(addUserconfigChain(m_game->path()), systemText(EACCES));
        QCOMPARE(readBytes(userconfig()), QByteArray("bind a b\r\n"));
        QVERIFY(QFile::setPermissions(userconfig(), QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::remove(userconfig()));

        QVERIFY(QDir(m_game->path()).mkpath(u"cstrike/userconfig.cfg"_qs));
        const QString isDir = systemText(EISDIR);
        QCOMPARE(addUserconfigChain(m_game->path()), isDir);
        const ChainCheck check = checkUserconfigChain(m_game->path(), u"bind a b"_qs);
        QCOMPARE(check.state, ChainState::Failed);
        QCOMPARE(check.error, isDir);
        QVERIFY(QFileInfo(userconfig()).isDir());
    }

    void fifoInItsPlace()
    {
#ifdef Q_OS_UNIX
        // Nothing waits for a writer: the check and the chain refuse at once, the FIFO stays.
        QCOMPARE(makeNonRegular(NonRegular::Fifo, userconfig()), QString());
        const Standing before = Standing::at(userconfig());
        const ChainCheck check = checkUserconfigChain(m_game->path(), u"bind a b"_qs);
        QCOMPARE(check.state, ChainState::Failed);
        QVERIFY(!check.error.isEmpty());
        QVERIFY(!addUserconfigChain(m_game->path()).isEmpty());
        QCOMPARE(Standing::at(userconfig()), before);
#else
        QSKIP("FIFOs are POSIX things");
#endif
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("userconfig");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<ChainState>("state");
        QTest::newRow("missing file")
            << QByteArray("<none>") << u"bind a b\n"_qs << ChainState::Missing;
        QTest::newRow("chained") << QByteArray("exec autoexec.cfg") << u"bind a b\n"_qs
                                 << ChainState::Chained;
        QTest::newRow("commented")
            << QByteArray("//exec autoexec.cfg") << u"bind a b\n"_qs << ChainState::Missing;
        QTest::newRow("loop") << QByteArray() << u"bind a b\u2029Exec UserConfig.cfg\n"_qs
                              << ChainState::Loop;
        QTest::newRow("NUL byte") << bytes("bind a b\n\0") << u"bind a b\n"_qs
                                  << ChainState::Failed;
        QTest::newRow("no loop through a comment")
            << QByteArray() << u"// exec userconfig.cfg\n"_qs << ChainState::Missing;
    }
    void check()
    {
        QFETCH(QByteArray, userconfig);
        QFETCH(QString, saved);
        QFETCH(ChainState, state);
        if (userconfig != "<none>")
            QVERIFY(writeFile(this->userconfig(), userconfig));
        QCOMPARE(checkUserconfigChain(m_game->path(), saved).state, state);
    }

private:
    QString userconfig() const
    {
        return m_game->path() + u"/cstrike/userconfig.cfg"_qs;
    }

    std::unique_ptr<QTemporaryDir> m_game;
};

QTEST_GUILESS_MAIN(TestUserconfig)
#include "tst_userconfig.moc"
