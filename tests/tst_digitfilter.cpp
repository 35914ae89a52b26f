#include "config/digitfilter.h"

#include <QTest>

#include <limits>

using namespace velmora;

class TestDigitFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCode()
    {
        // Only the ten digits and Backspace pass; everything else, from control codes to
        // Cyrillic letters and negative codes, is refused.
        int passed = 0;
        for (int code = std::numeric_limits<qint16>::min();
             code <= std::numeric_limits<qint16>::max(); ++code) {
            const auto key = qint16(code);
            const bool isDigit = code >= '0' && code <= '9';
            const qint16 expected = (isDigit || code == 8) ? key : qint16(0);
            if (FilterDigitKey(key) != expected)
                QFAIL(qPrintable(
                    QStringLiteral("code %1 gave %2").arg(code).arg(FilterDigitKey(key))));
            passed += expected != 0;
        }
        QCOMPARE(passed, 11);
    }

    void namedKeys_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("result");
        QTest::newRow("0") << int('0') << int('0');
        QTest::newRow("9") << int('9') << int('9');
        QTest::newRow("Backspace") << 8 << 8;
        QTest::newRow("minus") << int('-') << 0;
        QTest::newRow("point") << int('.') << 0;
        QTest::newRow("comma") << int(',') << 0;
        QTest::newRow("space") << int(' ') << 0;
        QTest::newRow("Enter") << 13 << 0;
        QTest::newRow("Escape") << 27 << 0;
        QTest::newRow("Ctrl+C") << 3 << 0;
        QTest::newRow("Ctrl+V") << 22 << 0;
        QTest::newRow("Ctrl+X") << 24 << 0;
        QTest::newRow("Cyrillic a") << 0x430 << 0;
        QTest::newRow("Arabic-Indic digit") << 0x661 << 0;
        QTest::newRow("fullwidth digit") << 0xFF11 << 0;
    }

    void namedKeys()
    {
        QFETCH(int, code);
        QFETCH(int, result);
        QCOMPARE(int(FilterDigitKey(qint16(code))), result);
    }
};

QTEST_GUILESS_MAIN(TestDigitFilter)
#include "tst_digitfilter.moc"
