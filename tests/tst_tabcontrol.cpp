#include "ui/tabcontrol.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using velmora::ui::TabControl;

class TestTabControl : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        TabControl tabs;
        QList<QWidget *> pages;
        Fixture()
        {
            tabs.resize(500, 400);
            tabs.setRowHeight(24);
            for (int i = 0; i < 6; ++i) {
                auto *page = new QLabel(QStringLiteral("page %1").arg(i));
                pages.append(page);
                tabs.addTab(page, QStringLiteral("tab %1").arg(i));
            }
            tabs.show();
        }
    };

private Q_SLOTS:
    void headersStandInTwoRowsOfThreeInTabOrder()
    {
        Fixture f;
        QCOMPARE(f.tabs.count(), 6);
        QCOMPARE(f.tabs.rowCount(), 2);
        for (int i = 0; i < 6; ++i) {
            const QRect r = f.tabs.header(i)->geometry();
            QCOMPARE(f.tabs.tabText(i), QStringLiteral("tab %1").arg(i));
            QCOMPARE(r.top(), (i / 3) * 24);
            QCOMPARE(r.height(), 24);
            if (i % 3 > 0) {
                const QRect left = f.tabs.header(i - 1)->geometry();
                QCOMPARE(r.left(), left.right() + 1); // side by side, no gap, no overlap
            } else {
                QCOMPARE(r.left(), 0);
            }
        }
        QCOMPARE(f.tabs.header(2)->geometry().right(), f.tabs.width() - 1);
        // Pages stand below both rows.
        QVERIFY(f.tabs.pageArea().top() >= 48);
    }

    void firstPageAddedIsCurrent()
    {
        Fixture f;
        QCOMPARE(f.tabs.currentIndex(), 0);
        QVERIFY(f.pages[0]->isVisible());
        for (int i = 1; i < 6; ++i)
            QVERIFY(!f.pages[i]->isVisible());
    }

    void clickingAHeaderInEitherRowSelectsItsPage_data()
    {
        QTest::addColumn<int>("index");
        for (int i : {4, 1, 5, 3, 2})
            QTest::addRow("tab %d", i) << i;
    }
    void clickingAHeaderInEitherRowSelectsItsPage()
    {
        QFETCH(int, index);
        Fixture f;
        QSignalSpy changed(&f.tabs, &TabControl::currentChanged);
        QTest::mouseClick(f.tabs.header(index), Qt::LeftButton);
        QCOMPARE(f.tabs.currentIndex(), index);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toInt(), index);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(f.pages[i]->isVisible(), i == index);
            QCOMPARE(f.tabs.header(i)->isChecked(), i == index);
        }
        // The header rows keep their order whatever is selected.
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f.tabs.header(i)->geometry().top(), (i / 3) * 24);
    }

    void arrowKeysMoveBetweenTheHeaders_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("Right") << 1 << int(Qt::Key_Right) << 2;
        QTest::newRow("Right into the second row") << 2 << int(Qt::Key_Right) << 3;
        QTest::newRow("Right at the last stays") << 5 << int(Qt::Key_Right) << 5;
        QTest::newRow("Left at the first stays") << 0 << int(Qt::Key_Left) << 0;
        QTest::newRow("Down to the row below") << 1 << int(Qt::Key_Down) << 4;
        QTest::newRow("Down in the last row stays") << 4 << int(Qt::Key_Down) << 4;
        QTest::newRow("Up to the row above") << 5 << int(Qt::Key_Up) << 2;
    }
    void arrowKeysMoveBetweenTheHeaders()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        Fixture f;
        f.tabs.setCurrentIndex(from);
        QTest::keyClick(&f.tabs, Qt::Key(key));
        QCOMPARE(f.tabs.currentIndex(), to);
        QVERIFY(f.pages[to]->isVisible());
    }

    void setCurrentIndexIgnoresIndicesOutOfRangeAndRepeats()
    {
        Fixture f;
        f.tabs.setCurrentIndex(2);
        QSignalSpy changed(&f.tabs, &TabControl::currentChanged);
        f.tabs.setCurrentIndex(6);
        f.tabs.setCurrentIndex(-1);
        f.tabs.setCurrentIndex(2);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(f.tabs.currentIndex(), 2);
        QVERIFY(f.pages[2]->isVisible());
    }
};

QTEST_MAIN(TestTabControl)
#include "tst_tabcontrol.moc"
