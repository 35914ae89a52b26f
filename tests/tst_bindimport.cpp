#include "gamefiles/bindimport.h"

#include "base/textcodec.h"
#include "fakedevices.h"
#include "gamefiles/pathfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

ImportResult importBytes(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return importBinds(buffer);
}

} // namespace

class TestBindImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void carried_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("no binds") << QByteArray("name \"x\"\r\nrate \"20000\"\r\n")
                                  << QStringList();
        QTest::newRow("any case") << QByteArray("BIND w +forward\r\nAlias a b\r\nbInD x y\r\n")
                                  << QStringList{u"BIND w +forward"_qs, u"Alias a b"_qs,
                                                 u"bInD x y"_qs};
        QTest::newRow("prefix only") << QByteArray("bindings\r\naliased\r\nbin\r\nalia\r\n")
                                     << QStringList{u"bindings"_qs, u"aliased"_qs};
        QTest::newRow("passed over")
            << QByteArray("unbindall\r\n// bind x y\r\nsensitivity \"3\"\r\n") << QStringList();
        QTest::newRow("commas and quotes") << QByteArray("bind \",\" \"say a, b; quit\"\r\n")
                                           << QStringList{u"bind \",\" \"say a, b; quit\""_qs};
        QTest::newRow("indented") << QByteArray("    bind a b\r\n\t \talias c d\r\n")
                                  << QStringList{u"bind a b"_qs, u"alias c d"_qs};
        QTest::newRow("trailing blanks kept")
            << QByteArray("bind a b  \r\n") << QStringList{u"bind a b  "_qs};
        QTest::newRow("LF only") << QByteArray("bind a b\nx\nalias c d\n")
                                 << QStringList{u"bind a b"_qs, u"alias c d"_qs};
        QTest::newRow("CR only") << QByteArray("bind a b\rx\ralias c d\r")
                                 << QStringList{u"bind a b"_qs, u"alias c d"_qs};
        QTest::newRow("mixed") << QByteArray("bind a b\r\nbind c d\nbind e f\rbind g h")
                               << QStringList{u"bind a b"_qs, u"bind c d"_qs, u"bind e f"_qs,
                                              u"bind g h"_qs};
        QTest::newRow("CR CR LF") << QByteArray("bind a b\r\r\nbind c d")
                                  << QStringList{u"bind a b"_qs, u"bind c d"_qs};
        QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF"
                                           "bind a b\r\n")
                             << QStringList{u"bind a b"_qs};
        QTest::newRow("BOM only once") << QByteArray("x\r\n\xEF\xBB\xBF"
                                                     "bind a b\r\n")
                                       << QStringList();
        QTest::newRow("Cyrillic") << QByteArray("bind k \"say Привет\"\r\n")
                                  << QStringList{u"bind k \"say Привет\""_qs};
        QTest::newRow("empty file") << QByteArray() << QStringList();
        // The game stops reading a script at its first NUL byte: the line is carried up to it,
        // and nothing after it.
        QTest::newRow("NUL inside")
            << QByteArray("bind a \0b\r\nbind c\0\0", 17) << QStringList{u"bind a "_qs};
    }

    void carried()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, lines);
        const ImportResult result = importBytes(file);
        QVERIFY(result.ok());
        QCOMPARE(result.lines(), lines);
        QCOMPARE(result.count(), lines.size());
        QString text;
        for (const QString &line : lines)
            text += line + u"\r\n"_qs;
        QCOMPARE(result.text(), text);
    }

    void lineEndsAcrossChunkBoundaries()
    {
        // Lines long enough that CR LF pairs and lines fall across the reader's 1 MiB chunks.
        QByteArray file;
        QStringList expected;
        for (int i = 0; file.size() < 3 * (1 << 20); ++i) {
            const QByteArray line =
                "bind k" + QByteArray::number(i) + ' ' + QByteArray(997 + i % 5, 'x');
            file += line + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
            expected << QString::fromLatin1(line);
        }
        QCOMPARE(importBytes(file).lines(), expected);
        // A NUL that comes a chunk after its line began still ends the file there.
        const QByteArray longLine = "bind long " + QByteArray(1 << 20, 'x');
        file += longLine + '\0' + QByteArray(1 << 20, 'y') + "\r\nbind z y\r\n";
        expected << QString::fromLatin1(longLine);
        QCOMPARE(importBytes(file).lines(), expected);
    }

    void undecodableBytesSurvive()
    {
        const QByteArray line = "bind k \"say \xEF\xF0\xE8\xE2\xE5\xF2\"";
        const ImportResult result = importBytes(line + "\r\n");
        QCOMPARE(result.count(), 1);
        QVERIFY(!result.lines().first().contains(QChar::ReplacementCharacter));
        QCOMPARE(encodeLossless(result.lines().first()), line);
    }

    void failureKeepsWhatWasCarried()
    {
        QByteArray bytes;
        for (int i = 0; i < 1000; ++i)
            bytes += "bind a b\r\n";
        FailingDevice device(bytes, 5000);
        const ImportResult result = importBinds(device);
        QCOMPARE(result.error, u"Input/output error"_qs);
        QCOMPARE(result.count(), 500);
    }

    void fromGameFolder()
    {
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkpath(u"cstrike"_qs));
        QFile file(gameFile(game.path(), u"config.cfg"_qs));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("bind w +forward\r\nname x\r\nalias a b\r\n");
        file.close();
        const ImportResult result = importBindsFromGame(game.path());
        QVERIFY(result.ok());
        QCOMPARE(result.count(), 2);
    }

    void fromGameFolderFailures()
    {
        QTemporaryDir game;
        const ImportResult noCstrike = importBindsFromGame(game.path());
        QVERIFY(!noCstrike.ok());
        QCOMPARE(noCstrike.count(), 0);

        QVERIFY(QDir(game.path()).mkpath(u"cstrike"_qs));
        QVERIFY(!importBindsFromGame(game.path()).ok());

        QVERIFY(QDir(game.path()).mkpath(u"cstrike/config.cfg"_qs));
        const ImportResult directory = importBindsFromGame(game.path());
        QVERIFY(!directory.ok());
        QVERIFY(!directory.error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBindImport)
#include "tst_bindimport.moc"
