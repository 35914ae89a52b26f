#include "fakedevices.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/configfiles.h"

#include "gamefiles/pathfile.h"
#include "gamefiles/scriptfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

QString autoexecPath(const QTemporaryDir &game)
{
    return gameFile(game.path(), u"autoexec.cfg"_qs);
}

QStringList cstrikeEntries(const QTemporaryDir &game)
{
    return folderEntries(game.filePath(u"cstrike"_qs));
}

} // namespace

class TestAutoexec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bytes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty box") << QString() << QByteArray("\r\n");
        QTest::newRow("generated lines")
            << u"bind a b\nrate \"1\"\n"_qs << QByteArray("bind a b\r\nrate \"1\"\r\n\r\n");
        QTest::newRow("no final break") << u"bind a b"_qs << QByteArray("bind a b\r\n");
        QTest::newRow("CR LF kept") << u"a\r\nb"_qs << QByteArray("a\r\nb\r\n");
        QTest::newRow("paragraph separators")
            << u"a\u2029b\u2028c"_qs << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("Cyrillic") << u"name \"Игрок\""_qs << QByteArray("name \"Игрок\"\r\n");
        QTest::newRow("non-breaking space") << u"bind a\u00A0b"_qs
                                            << QByteArray("bind a\xC2\xA0"
                                                          "b\r\n");
        QTest::newRow("undecodable byte")
            << QString(QChar(char16_t(0xDCEF))) << QByteArray("\xEF\r\n");
        QTest::newRow("lone CR and LF among letters")
            << u"abcdefgh\rijklmnop\nqrstuvwx\r\n\tyz"_qs
            << QByteArray("abcdefgh\r\nijklmnop\r\nqrstuvwx\r\n\tyz\r\n");
        QTest::newRow("astral character") << u"say 😀 ok"_qs << QByteArray("say 😀 ok\r\n");
        QTest::newRow("lone high surrogate") << u"ab"_qs + QChar(char16_t(0xD83D)) + u"cdefghijk"_qs
                                             << QByteArray("ab?cdefghijk\r\n");
    }

    void bytes()
    {
        QFETCH(QString, box);
        QFETCH(QByteArray, file);
        QCOMPARE(autoexecBytes(box), file);
    }

    void longBoxKeepsPairsWhole_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << u"\r\n"_qs << QByteArray("\r\n");
        QTest::newRow("astral character") << u"😀"_qs << QByteArray("\xF0\x9F\x98\x80");
        // A CR or a high surrogate that pairs with nothing, right before a pair.
        QTest::newRow("CR, then an astral character")
            << u"\r😀"_qs << QByteArray("\r\n\xF0\x9F\x98\x80");
        QTest::newRow("CR, then CR LF") << u"\r\r\n"_qs << QByteArray("\r\n\r\n");
        QTest::newRow("lone high surrogate, then CR LF")
            << QString(QChar(char16_t(0xD83D))) + u"\r\n"_qs << QByteArray("?\r\n");
    }
    void longBoxKeepsPairsWhole()
    {
        QFETCH(QString, pair);
        QFETCH(QByteArray, bytes);
        // The box is encoded a slice at a time: a CR LF or a surrogate pair may fall on any
        // place of a long text, slice ends included.
        for (qsizetype at = (1 << 18) - 9; at <= (1 << 18) + 9; ++at) {
            const QString box = QString(at - 1, u'a') + pair + QString(300, u'b');
            const QByteArray expected =
                QByteArray(at - 1, 'a') + bytes + QByteArray(300, 'b') + "\r\n";
            QCOMPARE(autoexecBytes(box), expected);
        }
    }

    void saveWritesLongBoxesWhole()
    {
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkdir(u"cstrike"_qs));
        QString box;
        for (int i = 0; box.size() < 2'000'000; ++i)
            box += u"alias \"a"_qs + QString::number(i) + u"\" \"say Привет, 😀\"\u2029"_qs;
        QCOMPARE(saveAutoexec(game.path(), box), QString());
        QCOMPARE(readBytes(autoexecPath(game)), autoexecBytes(box));
        QVERIFY(readBytes(autoexecPath(game)).endsWith("\"say Привет, 😀\"\r\n\r\n"));
    }

    void saveReplacesTheWholeFile()
    {
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkdir(u"cstrike"_qs));
        writeBytes(autoexecPath(game), QByteArray(10000, 'x'));
        QVERIFY(QFile::setPermissions(autoexecPath(game),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QCOMPARE(saveAutoexec(game.path(), u"bind a b\n"_qs), QString());
        QCOMPARE(readBytes(autoexecPath(game)), QByteArray("bind a b\r\n\r\n"));
        QCOMPARE(QFile::permissions(autoexecPath(game)) & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QCOMPARE(cstrikeEntries(game), (QStringList{u"autoexec.cfg"_qs, u"autoexec.cfg.bak"_qs}));
    }

    // Saving "bind a b\n"; an empty value stands for a missing file.
    void backup_data()
    {
        QTest::addColumn<QByteArray>("old");    ///< autoexec.cfg before the save
        QTest::addColumn<QByteArray>("oldBak"); ///< autoexec.cfg.bak before the save
        QTest::addColumn<QByteArray>("bak");    ///< autoexec.cfg.bak after the save
        QTest::addColumn<int>("filesWritten");
        const QByteArray mine = "mine\r\n";
        QTest::newRow("first save") << QByteArray() << QByteArray() << QByteArray() << 1;
        QTest::newRow("differing bytes") << mine << QByteArray() << mine << 2;
        QTest::newRow("an older backup replaced") << mine << QByteArray("older") << mine << 2;
        QTest::newRow("the old bytes begin the new")
            << QByteArray("bind a b\r\n") << QByteArray() << QByteArray("bind a b\r\n") << 2;
        QTest::newRow("equal bytes")
            << QByteArray("bind a b\r\n\r\n") << QByteArray("older") << QByteArray("older") << 0;
    }
    void backup()
    {
        QFETCH(QByteArray, old);
        QFETCH(QByteArray, oldBak);
        QFETCH(QByteArray, bak);
        QFETCH(int, filesWritten);
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkdir(u"cstrike"_qs));
        const QString bakPath = autoexecPath(game) + u".bak"_qs;
        if (!old.isEmpty())
            writeBytes(autoexecPath(game), old);
        if (!oldBak.isEmpty())
            writeBytes(bakPath, oldBak);

        QStringList written;
        SaveOutcome outcome{};
        QCOMPARE(saveAutoexec(game.path(), autoexecBytes(u"bind a b\n"_qs), &outcome,
                              listingDisk(&written)),
                 QString());
        QCOMPARE(written.size(), filesWritten);
        QCOMPARE(outcome, filesWritten == 0 ? SaveOutcome::Unchanged : SaveOutcome::Written);
        QCOMPARE(readBytes(autoexecPath(game)), QByteArray("bind a b\r\n\r\n"));
        QCOMPARE(QFile::exists(bakPath) ? readBytes(bakPath) : QByteArray(), bak);
    }

    void longBoxChangedAfterItsFirstSlices()
    {
        // The slices equal to the old file are written from its bytes, the rest as encoded.
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkdir(u"cstrike"_qs));
        QString box;
        for (int i = 0; box.size() < 1'500'000; ++i)
            box += u"bind \"k"_qs + QString::number(i) + u"\" \"say ключ\"\n"_qs;
        QCOMPARE(saveAutoexec(game.path(), box), QString());
        const QByteArray first = autoexecBytes(box);
        for (const QString &changed :
             {QString(box + u'x'), QString(box).insert(700'000, u'ж'), box.left(box.size() - 1)}) {
            SaveOutcome outcome{};
            QCOMPARE(saveAutoexec(game.path(), changed, &outcome), QString());
            QCOMPARE(outcome, SaveOutcome::Written);
            QCOMPARE(readBytes(autoexecPath(game)), autoexecBytes(changed));
            QCOMPARE(saveAutoexec(game.path(), box), QString());
            QCOMPARE(readBytes(autoexecPath(game)), first);
            QCOMPARE(readBytes(autoexecPath(game) + u".bak"_qs), autoexecBytes(changed));
        }
    }

    void saveCreatesTheFile()
    {
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkdir(u"cstrike"_qs));
        QCOMPARE(saveAutoexec(game.path(), QString()), QString());
        QCOMPARE(readBytes(autoexecPath(game)), QByteArray("\r\n"));
    }

    void readOnlyFileIsRefused()
    {
        // Root may write anywhere; the file's own read-only flag still protects it.
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkdir(u"cstrike"_qs));
        writeBytes(autoexecPath(game), "old\r\n");
        QVERIFY(QFile::setPermissions(autoexecPath(game),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QString error = saveAutoexec(game.path(), u"new"_qs);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(autoexecPath(game)), QByteArray("old\r\n"));
        QCOMPARE(cstrikeEntries(game), QStringList{u"autoexec.cfg"_qs});
    }

    void missingCstrikeFolderCreatesNothing()
    {
        // The reason in Russian, with the file, whatever the system's language.
        QTemporaryDir game;
        QCOMPARE(saveAutoexec(game.path(), u"bind a b"_qs),
                 u"Файл или каталог не существует: "_qs +
                     QDir::toNativeSeparators(autoexecPath(game)));
        QVERIFY(QDir(game.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(!saveAutoexec(game.filePath(u"missing"_qs), u"bind a b"_qs).isEmpty());
        QVERIFY(!QFile::exists(game.filePath(u"missing"_qs)));
    }

    void oversizedFileRefused_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("saved");
        QTest::newRow("4 GiB") << (qint64(4) << 30) << false;
        QTest::newRow("one byte past the largest") << kScriptMaxBytes + 1 << false;
        QTest::newRow("the largest") << kScriptMaxBytes << true;
    }
    void oversizedFileRefused()
    {
        // Nothing on the disk but its size: refused unread, and no backup of it written.
        QFETCH(qint64, size);
        QFETCH(bool, saved);
        QTemporaryDir game;
        writeBytes(autoexecPath(game), {});
        QVERIFY(QFile::resize(autoexecPath(game), size));
        const QString error = saveAutoexec(game.path(), u"x"_qs);
        QCOMPARE(error.isEmpty(), saved);
        if (saved) {
            QCOMPARE(QFileInfo(autoexecPath(game) + u".bak"_qs).size(), size);
            return;
        }
        QVERIFY2(error.contains(QDir::toNativeSeparators(autoexecPath(game))), qPrintable(error));
        QCOMPARE(cstrikeEntries(game), QStringList{u"autoexec.cfg"_qs});
    }

    void saveAsOntoTheAutoexecKeepsItThenRestoreSwaps()
    {
        // Save as... onto autoexec.cfg is a save: the file it replaces becomes the backup, and
        // Restore swaps the two back.
        QTemporaryDir game;
        writeBytes(autoexecPath(game), "old\r\n");
        QCOMPARE(saveConfigFile(game.path(), autoexecPath(game), autoexecBytes(u"new"_qs)),
                 QString());
        QCOMPARE(readBytes(autoexecPath(game) + u".bak"_qs), QByteArray("old\r\n"));
        QCOMPARE(restoreAutoexec(game.path()), QString());
        QCOMPARE(readBytes(autoexecPath(game)), QByteArray("old\r\n"));
        QCOMPARE(readBytes(autoexecPath(game) + u".bak"_qs), QByteArray("new\r\n"));
        // Without an autoexec.cfg, Restore brings the backup back and keeps it.
        QVERIFY(QFile::remove(autoexecPath(game)));
        QCOMPARE(restoreAutoexec(game.path()), QString());
        QCOMPARE(readBytes(autoexecPath(game)), QByteArray("new\r\n"));
        QCOMPARE(readBytes(autoexecPath(game) + u".bak"_qs), QByteArray("new\r\n"));
    }

    void restoreKeepsTheBackupPrivateAndItsOwn()
    {
        // Restore writes the backup the way Save does: a private script gives a private backup,
        // and a link in the backup's place is replaced, its target left alone.
        QTemporaryDir game;
        const QString bak = autoexecPath(game) + u".bak"_qs;
        const QString elsewhere = game.filePath(u"elsewhere.cfg"_qs);
        writeBytes(autoexecPath(game), "rcon_password x\r\n");
        QVERIFY(QFile::setPermissions(autoexecPath(game),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        writeBytes(elsewhere, "old\r\n");
        QVERIFY(QFile::link(elsewhere, bak));
        QCOMPARE(restoreAutoexec(game.path()), QString());
        QCOMPARE(readBytes(autoexecPath(game)), QByteArray("old\r\n"));
        QVERIFY(!QFileInfo(bak).isSymLink());
        QCOMPARE(readBytes(bak), QByteArray("rcon_password x\r\n"));
        QCOMPARE(readBytes(elsewhere), QByteArray("old\r\n"));
        QCOMPARE(QFile::permissions(bak) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void directoryInItsPlace()
    {
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkpath(u"cstrike/autoexec.cfg"_qs));
        const QString error = saveAutoexec(game.path(), u"bind a b"_qs);
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(autoexecPath(game)).isDir());
        QCOMPARE(cstrikeEntries(game), QStringList{u"autoexec.cfg"_qs});
    }
};

QTEST_GUILESS_MAIN(TestAutoexec)
#include "tst_autoexec.moc"
