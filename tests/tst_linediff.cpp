// The line difference the Save question shows: which lines leave and which come.

#include "gamefiles/linediff.h"

#include <QTest>

using velmora::lineDiff;
using velmora::textLines;

class TestLineDiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void diff_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("expected"); ///< the diff's lines joined by '|'
        const char *rows[][4] = {
            {"same", "a\nb\n", "a\r\nb\r\n", ""},
            {"from nothing", "", "a\nb", "+a|+b"},
            {"to nothing", "a\n\n", "", "-a|-"},
            {"one changed", "a\nb\nc", "a\nx\nc", "-b|+x"},
            {"moved to the end", "m\na\nb\nc", "a\nb\nc\nm", "-m|+m"},
            {"repeated lines", "x\na\nx\nb\nx", "a\nx\nx\nb\nx\nx", "-x|+x|+x"},
            {"interleaved", "a\nb\nc\nd\ne\nf", "a\nc\nB\ne\nf\ng", "-b|-d|+B|+g"},
            {"CR CR and U+2028 end lines too", "a\r\rb\u2028c", "a\nb\nc", "-"},
        };
        for (const auto &row : rows) {
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2])
                                  << QString::fromUtf8(row[3]);
        }
    }
    void diff()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, expected);
        QCOMPARE(lineDiff(textLines(before), textLines(after)).join(u'|'), expected);
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
        QCOMPARE(lineDiff(textLines(before), textLines(after)).join(u'|'),
                 u"-bind k500 x|+new|-bind k90000 x"_qs);
        // Nothing in common: one removal and one addition each line.
        QCOMPARE(lineDiff(textLines(before), textLines(other)).size(), 150000);
    }
};

QTEST_GUILESS_MAIN(TestLineDiff)
#include "tst_linediff.moc"
