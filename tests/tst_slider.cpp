#include "ui/slider.h"

#include <QLabel>
#include <QTest>

using velmora::ui::Slider;

class TestSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void behavesLikeTheCommonControlsSlider()
    {
        QWidget parent;
        Slider slider(1, 200, 72, &parent);
        QCOMPARE(slider.orientation(), Qt::Horizontal);
        QCOMPARE(slider.minimum(), 1);
        QCOMPARE(slider.maximum(), 200);
        QCOMPARE(slider.value(), 72);
        QCOMPARE(slider.singleStep(), 1);
        QCOMPARE(slider.pageStep(), 5);
        QCOMPARE(slider.tickInterval(), 1);
        QVERIFY(slider.tickPosition() != QSlider::NoTicks);
    }

    void keysMoveByOneAndByFiveWithinTheRange_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("right") << 5 << int(Qt::Key_Right) << 6;
        QTest::newRow("left") << 5 << int(Qt::Key_Left) << 4;
        QTest::newRow("page up") << 5 << int(Qt::Key_PageUp) << 10;
        QTest::newRow("page down") << 8 << int(Qt::Key_PageDown) << 3;
        QTest::newRow("never below Min") << 1 << int(Qt::Key_Left) << 1;
        QTest::newRow("page never below Min") << 3 << int(Qt::Key_PageDown) << 1;
        QTest::newRow("never above Max") << 20 << int(Qt::Key_Right) << 20;
        QTest::newRow("home") << 12 << int(Qt::Key_Home) << 1;
        QTest::newRow("end") << 12 << int(Qt::Key_End) << 20;
    }
    void keysMoveByOneAndByFiveWithinTheRange()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, expected);
        QWidget parent;
        Slider slider(1, 20, start, &parent);
        QTest::keyClick(&slider, Qt::Key(key));
        QCOMPARE(slider.value(), expected);
    }

    void valueOutsideTheRangeIsClamped()
    {
        QWidget parent;
        Slider slider(1, 10, 1, &parent);
        slider.setValue(0);
        QCOMPARE(slider.value(), 1);
        slider.setValue(11);
        QCOMPARE(slider.value(), 10);
    }

    void labelShowsWhereTheSliderStands()
    {
        QWidget parent;
        Slider slider(1, 500, 400, &parent);
        QLabel *label = slider.valueLabel();
        QVERIFY(label);
        QCOMPARE(label->parentWidget(), &parent);
        QCOMPARE(label->text(), QStringLiteral("400"));
        QTest::keyClick(&slider, Qt::Key_PageUp);
        QCOMPARE(label->text(), QStringLiteral("405"));
        slider.setValue(1);
        QCOMPARE(label->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestSlider)
#include "tst_slider.moc"
