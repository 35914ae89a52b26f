// The line difference the Save question shows: which lines leave and which come.

#include "gamefiles/autoexec.h"
#include "gamefiles/configfiles.h"
#include "gamefiles/linediff.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using velmora::lineDiff;

class TestLineDiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void diff_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("expected"); ///< the diff's lines joined by '|'
        QTest::addColumn<int>("most");
        QTest::addColumn<int>("unlisted");
        const char *rows[][4] = {
            {"same", "a\nb\n", "a\r\nb\r\n", ""},
            {"from nothing", "", "a\nb", "+a|+b"},
            {"to nothing", "a\n\n", "", "-a|-"},
            {"one changed", "a\nb\nc", "a\nx\nc", "-b|+x"},
            {"moved to the end", "m\na\nb\nc", "a\nb\nc\nm", "-m|+m"},
            {"repeated lines", "x\na\nx\nb\nx", "a\nx\nx\nb\nx\nx", "-x|+x|+x"},
            {"interleaved", "a\nb\nc\nd\ne\nf", "a\nc\nB\ne\nf\ng", "-b|-d|+B|+g"},
            {"lone CRs", "a\rb\rc", "a\r\nb\r\nd\r\n", "-c|+d"},
            {"CR, then LF on one side", "x\na\r", "x\na\r\nb", "+b"},
            {"line ends at both ends", "p\r\nq\n", "p\nq\n", ""},
            {"LF file, equal lines run on", "\n\r\n", "\r\n\r\na\r\n\r\na\r\nb\r\n\r\n",
             "+a|+|+a|+b|+"},
            {"changed between equal ends", "k\nab\r\nz\n", "k\nac\r\nz\n", "-ab|+ac"},
            {"CR CR ends two lines", "a\r\rb", "a\nb\nc", "-|+c"},
        };
        for (const auto &row : rows) {
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2])
                                  << QString::fromUtf8(row[3]) << 100 << 0;
        }
        QTest::newRow("listed up to the most") << u""_qs << u"a\nb\nc"_qs << u"+a|+b"_qs << 2 << 1;
        QTest::newRow("none listed") << u"a\nb"_qs << u""_qs << u""_qs << 0 << 2;
    }
    void diff()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, expected);
        QFETCH(int, most);
        QFETCH(int, unlisted);
        const velmora::LineDiff diff = lineDiff(before.toUtf8(), after.toUtf8(), most);
        QCOMPARE(diff.lines.join(u'|'), expected);
        QCOMPARE(diff.unlisted, unlisted);
    }

    // As the Save question shows it: hunks with two shared lines around each change.
    void hunks_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("expected");
        QTest::newRow("context from the lines passed over")
            << u"a\nb\nc\nd\ne\nf\ng\n"_qs << u"a\nb\nc\nD\ne\nf\ng\n"_qs
            << u"@@ -2,5 +2,5 @@| b| c|-d|+D| e| f"_qs;
        QTest::newRow("far apart: two hunks; near: one")
            << u"1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n"_qs
            << u"X\n2\n3\nY\n5\n6\n7\n8\n9\n10\n11\nZ\n"_qs
            << u"@@ -1,6 +1,6 @@|-1|+X| 2| 3|-4|+Y| 5| 6|@@ -10,3 +10,3 @@| 10| 11|-12|+Z"_qs;
    }
    void hunks()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, expected);
        QCOMPARE(lineDiff(before.toUtf8(), after.toUtf8(), 100, 2).lines.join(u'|'), expected);
        // Cut short, the list still shows what comes beside what leaves.
        const velmora::LineDiff cut = lineDiff(QByteArray("a\nb\nc\n").repeated(500),
                                               QByteArray("x\ny\nz\n").repeated(500), 4, 2);
        QCOMPARE(cut.lines.mid(1).join(u'|'), u"-a|+x|-b|+y"_qs);
        QCOMPARE(cut.unlisted, 3000 - 4);
    }

    void largeFilesWithASmallChangeAnswerAtOnce()
    {
        // Every line unlike the others: without the shortest path's bound, some ten billion pairs.
        QString before, after, other;
        for (int i = 0; i < 100000; ++i) {
            const QString line = QStringLiteral("bind k%1 x\n").arg(i);
            before += line;
            after += i == 500 ? u"new\n"_qs : i == 90000 ? QString() : line;
            other += i < 50000 ? QString::number(i) + u'\n' : QString();
        }
        QCOMPARE(lineDiff(before.toUtf8(), after.toUtf8(), 10).lines.join(u'|'),
                 u"-bind k500 x|+new|-bind k90000 x"_qs);
        // Nothing in common: one removal and one addition each line.
        QCOMPARE(lineDiff(before.toUtf8(), other.toUtf8(), 10).unlisted, 150000 - 10);
    }

    // A box of several encoded slices, saved before: the slices equal to the file are passed over.
    void previewOfALargeBox_data()
    {
        QTest::addColumn<int>("changed"); ///< the line the box changes; -1: none
        QTest::addColumn<QString>("expected");
        QTest::newRow("unchanged") << -1 << QString();
        QTest::newRow("in the first slice") << 3 << u"-line3|+new"_qs;
        QTest::newRow("past the first slice") << 35000 << u"-line35000|+new"_qs;
        QTest::newRow("the last line") << 39999 << u"-line39999|+new"_qs;
    }
    void previewOfALargeBox()
    {
        QFETCH(int, changed);
        QFETCH(QString, expected);
        QStringList lines;
        for (int i = 0; i < 40000; ++i)
            lines << QStringLiteral("line%1").arg(i);
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkdir(u"cstrike"_qs));
        QFile file(game.path() + u"/cstrike/autoexec.cfg"_qs);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(velmora::autoexecBytes(lines.join(u'\n')));
        file.close();
        if (changed >= 0)
            lines[changed] = u"new"_qs;
        const velmora::SavePreview preview = velmora::previewAutoexecSave(
            game.path(), velmora::autoexecBytes(lines.join(u'\n')), 10);
        QCOMPARE(preview.changes, changed >= 0);
        QCOMPARE(preview.diff.filter(QRegularExpression(u"^[-+]"_qs)).join(u'|'), expected);
    }

    // Breaks are counted in blocks of 128 bytes: a CR LF across two blocks, and the bytes left
    // after the last whole block, must count as they would one byte at a time.
    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray unit = QByteArrayLiteral("ab\r\ncd\ne\rf\r\r\n");
        for (const int size : {0, 127, 128, 129, 257}) {
            QByteArray bytes = unit.repeated(size / unit.size() + 1).first(size);
            QTest::addRow("mixed, %d bytes", size) << bytes;
        }
        for (const int at : {127, 128}) {
            QByteArray bytes(300, 'x');
            bytes[at] = '\r';
            bytes[at + 1] = '\n';
            QTest::addRow("CR LF at %d", at) << bytes;
        }
        // Counted below as a view whose memory goes on with an LF: a CR that ends the bytes is a
        // lone CR all the same, in the blocks' loop and after it.
        QTest::newRow("CR ending 256 bytes") << QByteArray(255, 'y').append('\r');
        QTest::newRow("CR ending 201 bytes") << QByteArray(200, 'y').append('\r');
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        velmora::LineEnds expected;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            expected.lf += bytes[i] == '\n';
            expected.cr += bytes[i] == '\r';
            expected.crLf += bytes.mid(i, 2) == "\r\n";
        }
        const QByteArray memory = bytes + '\n';
        const velmora::LineEnds ends =
            velmora::countLineEnds(QByteArrayView(memory).first(bytes.size()));
        QCOMPARE(ends.lf, expected.lf);
        QCOMPARE(ends.cr, expected.cr);
        QCOMPARE(ends.crLf, expected.crLf);
    }
    void lineEndsChangeSaid_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<bool>("said");
        QTest::newRow("an LF in the changed lines")
            << QByteArray("a\r\nb\r\nc\r\n") << QByteArray("a\r\nB\nc\r\n") << true;
        QTest::newRow("an LF in the old file's changed lines")
            << QByteArray("a\r\nb\nc\r\n") << QByteArray("a\r\nB\r\nc\r\n") << true;
        QTest::newRow("LFs before the change, on both sides")
            << QByteArray("a\nb\r\n") << QByteArray("a\nc\r\n") << false;
    }
    void lineEndsChangeSaid()
    {
        QFETCH(QByteArray, old);
        QFETCH(QByteArray, box);
        QFETCH(bool, said);
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkdir(u"cstrike"_qs));
        QFile file(game.path() + u"/cstrike/autoexec.cfg"_qs);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();
        QCOMPARE(velmora::previewAutoexecSave(game.path(), box, 10).lineEndsChange, said);
    }
};

QTEST_GUILESS_MAIN(TestLineDiff)
#include "tst_linediff.moc"
