#include "config/assignments.h"
#include "config/options.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace velmora;

class TestOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void inventoryNamesEveryControlOnce()
    {
        QSet<QString> names;
        for (const OptionInfo &option : optionInventory()) {
            const QString name = QString::fromLatin1(option.name);
            names.insert(name);
            // The number a name ends with is the control it sets; pod, which has none, takes the
            // box after Check43.
            const qsizetype digits =
                name.size() - name.lastIndexOf(QRegularExpression(u"\\D"_qs)) - 1;
            QCOMPARE(option.number, digits ? name.right(digits).toInt() : velmora::kPodBox);
        }
        QCOMPARE(names.size(), 1 + kTextCount + kSliderCount + kCheckCount + 1);
        QVERIFY(names.contains(u"Combo1"_qs));
        QVERIFY(names.contains(u"Text11"_qs));
        QVERIFY(names.contains(u"Slider5"_qs));
        QVERIFY(names.contains(u"Check43"_qs));
        QVERIFY(names.contains(u"pod"_qs));
        QVERIFY(!findOption(u"Check44"_qs));
        QVERIFY(!findOption(u"check1"_qs));
    }

    void startUpState()
    {
        const OptionSnapshot options;
        QCOMPARE(options.combo1, QString());
        const QStringList texts{QString(),      QString(), u"999999999"_qs, defaultText(4),
                                defaultText(5), u"800"_qs, u"5"_qs,         u"5"_qs,
                                u"600"_qs,      u"1"_qs,   u"0.8"_qs};
        for (int n = 1; n <= kTextCount; ++n)
            QCOMPARE(options.text(n), texts.at(n - 1));
        QVERIFY(!options.text(4).isEmpty());
        QVERIFY(!options.text(5).isEmpty());
        const int sliders[] = {1, 72, 400, 400, 15};
        for (int n = 1; n <= kSliderCount; ++n)
            QCOMPARE(options.slider(n), sliders[n - 1]);
        for (int n = 1; n <= kCheckCount; ++n)
            QCOMPARE(options.check(n), velmora::CheckValue::Unchecked);
        QCOMPARE(options.check(velmora::kPodBox), velmora::CheckValue::Unchecked);
    }

    void sliderRanges()
    {
        const SliderRange ranges[] = {{1, 10}, {1, 200}, {1, 500}, {1, 500}, {1, 20}};
        for (int n = 1; n <= kSliderCount; ++n) {
            QCOMPARE(sliderRange(n).min, ranges[n - 1].min);
            QCOMPARE(sliderRange(n).max, ranges[n - 1].max);
            QVERIFY(!sliderRange(n).contains(0));
        }
    }

    void assignment_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("text") << u"Text5=Игрок"_qs << true;
        QTest::newRow("empty text") << u"Text1="_qs << true;
        QTest::newRow("text with =") << u"Text4=a=b"_qs << true;
        QTest::newRow("combo typed") << u"Combo1=lan"_qs << true;
        QTest::newRow("check 2") << u"Check43=2"_qs << true;
        QTest::newRow("pod") << u"pod=1"_qs << true;
        QTest::newRow("slider low end") << u"Slider1=1"_qs << true;
        QTest::newRow("slider high end") << u"Slider3=500"_qs << true;
        QTest::newRow("check 3") << u"Check1=3"_qs << false;
        QTest::newRow("check empty") << u"Check1="_qs << false;
        QTest::newRow("check 01") << u"Check1=01"_qs << false;
        QTest::newRow("slider 0") << u"Slider1=0"_qs << false;
        QTest::newRow("slider above") << u"Slider5=21"_qs << false;
        QTest::newRow("slider fraction") << u"Slider2=7.5"_qs << false;
        QTest::newRow("slider blank") << u"Slider2= 7"_qs << false;
        QTest::newRow("slider huge") << u"Slider2=99999999999999999999"_qs << false;
        QTest::newRow("unknown") << u"Check44=1"_qs << false;
        QTest::newRow("wrong case") << u"text1=5"_qs << false;
        QTest::newRow("no =") << u"Text1"_qs << false;
    }

    void assignment()
    {
        QFETCH(QString, argument);
        QFETCH(bool, accepted);
        OptionSnapshot options;
        const QString why = applyAssignment(options, argument);
        QCOMPARE(why.isEmpty(), accepted);
        if (!accepted)
            QCOMPARE(options, OptionSnapshot());
        // --read-config names the control again by the argument that set it.
        else if (options != OptionSnapshot())
            QCOMPARE(assignmentsFor(options), QStringList{argument});
    }

    void assignmentSetsTheNamedControl()
    {
        OptionSnapshot options;
        QVERIFY(applyAssignment(options, u"Text4=a=b"_qs).isEmpty());
        QVERIFY(applyAssignment(options, u"Slider2=+7"_qs).isEmpty());
        QVERIFY(applyAssignment(options, u"Check12=1"_qs).isEmpty());
        QVERIFY(applyAssignment(options, u"pod=2"_qs).isEmpty());
        QVERIFY(applyAssignment(options, u"Combo1= x "_qs).isEmpty());
        QCOMPARE(options.text(4), u"a=b"_qs);
        QCOMPARE(options.slider(2), 7);
        QCOMPARE(options.check(12), velmora::CheckValue::Checked);
        QCOMPARE(options.check(velmora::kPodBox), velmora::CheckValue::Grayed);
        QCOMPARE(options.combo1, u" x "_qs);
    }
};

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
