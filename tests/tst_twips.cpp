// Twips to pixels: neighbours that meet in twips meet in pixels at every dpi, and a row places
// its controls one gap apart.

#include "ui/twips.h"

#include <QTest>
#include <QWidget>

using velmora::ui::TwipRow;
using velmora::ui::TwipScale;

class TestTwips : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void neighboursMeet_data()
    {
        QTest::addColumn<double>("dpi");
        for (double dpi : {96.0, 120.0, 144.0, 168.0, 192.0})
            QTest::addRow("%g dpi", dpi) << dpi;
    }

    void neighboursMeet()
    {
        QFETCH(double, dpi);
        const TwipScale tw(dpi);
        // Widths that are not whole pixels at any of these dpi; 125 is 8.33 px at 96 dpi.
        for (int left : {0, 120, 125, 2280, 7680}) {
            for (int width : {125, 315, 1095, 3615}) {
                const QRect first = tw.rect(left, 240, width, 315);
                const QRect second = tw.rect(left + width, 240, 125, 315);
                QCOMPARE(first.right() + 1, second.left());
                const QRect below = tw.rect(left, 240 + 315, width, 240);
                QCOMPARE(first.bottom() + 1, below.top());
            }
        }
        // 15 twips are one pixel at 96 dpi, and positions scale with the dpi.
        QCOMPARE(tw(1440), qRound(dpi));
    }

    void rowPlacesOneGapApart()
    {
        QWidget parent;
        QWidget first(&parent);
        QWidget second(&parent);
        QWidget third(&parent);
        const TwipScale tw(96.0);
        TwipRow row(tw, 360, 120, 60);
        row.add(&first, 1095, 315);
        row.add(&second, 375, 375, -45);
        row.moveTo(2880);
        row.add(&third, 3975, 315);
        QCOMPARE(first.geometry(), QRect(8, 24, 73, 21));
        QCOMPARE(second.geometry(), QRect(8 + 73 + 4, 21, 25, 25));
        QCOMPARE(third.geometry(), QRect(192, 24, 265, 21));
        QCOMPARE(row.x(), 192 + 265 + 4);
    }
};

QTEST_MAIN(TestTwips)
#include "tst_twips.moc"
