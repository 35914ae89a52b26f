// The userconfig.cfg chain: which lines the game's console runs as `exec autoexec.cfg`, and the
// lines Velmora adds when none does.

#include "console/consolescript.h"
#include "fakedevices.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/userconfig.h"
#include "literalbytes.h"
#include "nonregularfiles.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
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
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "exec autoexec.cfg\n")
                                         << true;
        QTest::newRow("commented after blanks") << QByteArray("  // exec autoexec.cfg\n") << false;
        QTest::newRow("inside quotes")
            << QByteArray("alias go \"exec autoexec.cfg\"\nalias x \"a;exec autoexec.cfg\"\n")
            << false;
        QTest::newRow("another file")
            << QByteArray("exec autoexec.cfg.bak\nexec config.cfg\n") << false;
        QTest::newRow("a third word") << QByteArray("exec autoexec.cfg now\n") << false;
        QTest::newRow("a third word, a slash") << QByteArray("exec autoexec.cfg /\n") << false;
        QTest::newRow("a third word too long to read")
            << QByteArray("exec autoexec.cfg " + QByteArray(515, 'x') + '\n') << true;
        QTest::newRow("a third word one byte shorter")
            << QByteArray("exec autoexec.cfg " + QByteArray(514, 'x') + '\n') << false;
        QTest::newRow("semicolons inside quotes")
            << QByteArray("echo \";exec autoexec.cfg;\"\n") << false;
        QTest::newRow("joined") << QByteArray("execautoexec.cfg\n") << false;
        QTest::newRow("after a NUL byte") << bytes("bind a b\n\0exec autoexec.cfg\n") << false;
        // A command is cut after 1023 bytes; the byte after the cut is lost, the rest runs.
        QTest::newRow("rest of a long line")
            << QByteArray("echo " + QByteArray(1018, 'x') + "#exec autoexec.cfg\n") << true;
        QTest::newRow("long line, cut inside")
            << QByteArray("echo " + QByteArray(1017, 'x') + "#exec autoexec.cfg\n") << false;
        // Each byte is read once: a line of 8 MB costs what 8 MB cost, not 8,000 times as much.
        QTest::newRow("after an 8 MB line")
            << QByteArray("echo \"" + QByteArray(8 << 20, ';') + "\nexec autoexec.cfg") << true;
    }
    void activeLine()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, runs);
        qsizetype read = 0;
        QCOMPARE(scriptExecs(script, "autoexec.cfg", &read), runs);
        QVERIFY(read <= script.size());
    }

    void chain_data()
    {
        QTest::addColumn<QByteArray>("before"); ///< userconfig.cfg; "<none>": no file
        QTest::addColumn<QString>("saved");     ///< the text saved as autoexec.cfg
        QTest::addColumn<ChainState>("state");
        QTest::addColumn<QByteArray>("after"); ///< userconfig.cfg once the chain is added
        const QString plain = u"bind a b\n"_qs;
        const QByteArray crlf = chainLines("\r\n");
        const auto missing = ChainState::Missing;
        QTest::newRow("missing file") << QByteArray("<none>") << plain << missing << crlf;
        QTest::newRow("empty") << QByteArray() << plain << missing << crlf;
        QTest::newRow("CR LF") << QByteArray("a\r\n") << plain << missing << "a\r\n" + crlf;
        QTest::newRow("LF") << QByteArray("a\nb\n") << plain << missing
                            << "a\nb\n" + chainLines("\n");
        QTest::newRow("CR LF, no final line end")
            << QByteArray("a\r\nb") << plain << missing << "a\r\nb\r\n" + crlf;
        QTest::newRow("LF, no final line end")
            << QByteArray("a\nb") << plain << missing << "a\nb\n" + chainLines("\n");
        QTest::newRow("a lone LF")
            << QByteArray("\n") << plain << missing << "\n" + chainLines("\n");
        QTest::newRow("the last line's end, not the first's")
            << QByteArray("a\r\nb\n") << plain << missing << "a\r\nb\n" + chainLines("\n");
        QTest::newRow("CR only") << QByteArray("a\rb\r") << plain << missing << "a\rb\r\r\n" + crlf;
        QTest::newRow("commented") << QByteArray("//exec autoexec.cfg\r\n") << plain << missing
                                   << "//exec autoexec.cfg\r\n" + crlf;
        QTest::newRow("bytes beyond UTF-8")
            << bytes("say \xFF\xFE\r\n") << plain << missing << bytes("say \xFF\xFE\r\n") + crlf;
        QTest::newRow("already active")
            << QByteArray("EXEC \"autoexec.cfg\"") << plain << ChainState::Chained
            << QByteArray("EXEC \"autoexec.cfg\"");
        // The game stops reading at a NUL byte: an added line would never run.
        QTest::newRow("NUL byte") << bytes("a\r\n\0") << plain << ChainState::Failed
                                  << bytes("a\r\n\0");
        QTest::newRow("loop") << QByteArray() << u"bind a b\u2029Exec UserConfig.cfg\n"_qs
                              << ChainState::Loop << QByteArray();
        QTest::newRow("no loop through a comment")
            << QByteArray() << u"// exec userconfig.cfg\n"_qs << missing << crlf;
    }
    void chain()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, saved);
        QFETCH(ChainState, state);
        QFETCH(QByteArray, after);
        const bool exists = before != "<none>";
        if (exists) {
            QVERIFY(writeFile(userconfig(), before));
            QVERIFY(QFile::setPermissions(userconfig(), QFile::ReadOwner | QFile::WriteOwner));
        }
        QCOMPARE(checkUserconfigChain(m_game->path(), autoexecBytes(saved)).state, state);
        if (state == ChainState::Loop)
            return; // the chain is not offered
        QCOMPARE(withUserconfigChain(exists ? before : QByteArray()), after);
        QCOMPARE(scriptExecs(after, "autoexec.cfg"), state != ChainState::Failed);

        const QString error = addUserconfigChain(m_game->path());
        QCOMPARE(error.isEmpty(), state != ChainState::Failed);
        QCOMPARE(readBytes(userconfig()), after);
        if (exists) // permissions kept
            QCOMPARE(QFile::permissions(userconfig()) & 0x7077,
                     QFile::ReadOwner | QFile::WriteOwner);
        // Once chained, a second call writes nothing: no second line.
        QStringList written;
        QCOMPARE(addUserconfigChain(m_game->path(), listingDisk(&written)), error);
        QCOMPARE(written, QStringList());
        QCOMPARE(readBytes(userconfig()), after);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("kind");   ///< what stands where userconfig.cfg would be
        QTest::addColumn<QString>("reason"); ///< the reason given, before the path; null: any
        QTest::addColumn<ChainState>("state");
        QTest::newRow("read-only")
            << u"read-only"_qs << u"Отказано в доступе"_qs << ChainState::Missing;
        QTest::newRow("a directory")
            << u"dir"_qs << u"Имя файла ссылается на каталог"_qs << ChainState::Failed;
        // Nothing waits for a writer: the check and the chain refuse at once.
        QTest::newRow("a FIFO") << u"fifo"_qs << QString() << ChainState::Failed;
    }
    void refused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QFETCH(ChainState, state);
        const QString error =
            reason.isNull() ? reason : reason + u": "_qs + QDir::toNativeSeparators(userconfig());
        if (kind == u"read-only") {
            QVERIFY(writeFile(userconfig(), "bind a b\r\n"));
            QVERIFY(QFile::setPermissions(userconfig(), QFile::ReadOwner | QFile::ReadGroup));
        } else if (kind == u"dir") {
            QVERIFY(QDir(m_game->path()).mkpath(u"cstrike/userconfig.cfg"_qs));
        } else {
            QCOMPARE(makeNonRegular(NonRegular::Fifo, userconfig()), QString());
        }
        const Standing before = Standing::at(userconfig());
        const ChainCheck check = checkUserconfigChain(m_game->path(), "bind a b\r\n");
        QCOMPARE(check.state, state);
        const QString added = addUserconfigChain(m_game->path());
        QVERIFY2(error.isNull() ? !added.isEmpty() : added == error, qPrintable(added));
        if (state == ChainState::Failed) {
            QVERIFY2(error.isNull() ? !check.error.isEmpty() : check.error == error,
                     qPrintable(check.error));
        }
        QCOMPARE(Standing::at(userconfig()), before);
        if (kind == u"read-only")
            QCOMPARE(readBytes(userconfig()), QByteArray("bind a b\r\n"));
    }

private:
    QString userconfig() const { return m_game->path() + u"/cstrike/userconfig.cfg"_qs; }

    std::unique_ptr<QTemporaryDir> m_game;
};

QTEST_GUILESS_MAIN(TestUserconfig)
#include "tst_userconfig.moc"
