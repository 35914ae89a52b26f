#include "ui/digitkeyfilter.h"
#include "ui/tone.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using velmora::ui::DigitKeyFilter;
using velmora::ui::Tone;

namespace {

/// One key of a typing script: a key with its modifiers and the text it types.
struct Stroke
{
    int key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;
};

} // namespace

Q_DECLARE_METATYPE(Stroke)

class TestDigitKeyFilter : public QObject
{
    Q_OBJECT

private:
    static Stroke ch(char c) { return {0, Qt::NoModifier, QString(QLatin1Char(c))}; }
    static Stroke key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { return {k, m, {}}; }
    static Stroke text(const QString &t) { return {Qt::Key_unknown, Qt::NoModifier, t}; }

    static void type(QLineEdit *edit, const QList<Stroke> &strokes)
    {
        for (const Stroke &s : strokes) {
            if (s.key == 0)
                QTest::keyClick(edit, s.text.at(0).toLatin1());
            else if (!s.text.isEmpty())
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(s.key), s.text, s.modifiers);
            else
                QTest::keyClick(edit, Qt::Key(s.key), s.modifiers);
        }
    }

private Q_SLOTS:
    void init()
    {
        Tone::setPlayer([](int, int) {});
        Tone::resetCount();
        QApplication::clipboard()->setText(QStringLiteral("777"));
    }

    void typedKeys_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QList<Stroke>>("strokes");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("tones");

        QTest::newRow("digits pass") << QString() << QList<Stroke>{ch('1'), ch('2')} << "12" << 0;
        QTest::newRow("a letter is refused with one tone")
            << QString() << QList<Stroke>{ch('1'), ch('2'), ch('a')} << "12" << 1;
        QTest::newRow("minus, point, comma, blank refused")
            << "5" << QList<Stroke>{ch('-'), ch('.'), ch(','), ch(' ')} << "5" << 4;
        QTest::newRow("backspace deletes without a tone")
            << "123" << QList<Stroke>{key(Qt::Key_Backspace)} << "12" << 0;
        QTest::newRow("delete and arrows work without a tone")
            << "123" << QList<Stroke>{key(Qt::Key_Home),  key(Qt::Key_Delete),
                                      key(Qt::Key_End),   key(Qt::Key_Left),
                                      key(Qt::Key_Left),  ch('9'),
                                      key(Qt::Key_Right), ch('8')}
            << "9283" << 0;
        QTest::newRow("enter and escape refused")
            << "1" << QList<Stroke>{key(Qt::Key_Return), key(Qt::Key_Enter), key(Qt::Key_Escape)}
            << "1" << 3;
        QTest::newRow("ctrl+v does not paste")
            << "1" << QList<Stroke>{key(Qt::Key_V, Qt::ControlModifier)} << "1" << 1;
        QTest::newRow("shift+insert does not paste")
            << "1" << QList<Stroke>{key(Qt::Key_Insert, Qt::ShiftModifier)} << "1" << 1;
        QTest::newRow("ctrl+x does not cut")
            << "12"
            << QList<Stroke>{key(Qt::Key_Home), key(Qt::Key_End, Qt::ShiftModifier),
                             key(Qt::Key_X, Qt::ControlModifier)}
            << "12" << 1;
        QTest::newRow("cyrillic refused")
            << "4" << QList<Stroke>{text(QStringLiteral("ж"))} << "4" << 1;
        QTest::newRow("latin-1 letter refused")
            << "4" << QList<Stroke>{text(QStringLiteral("é"))} << "4" << 1;
        QTest::newRow("two characters in one key refused")
            << "4" << QList<Stroke>{text(QStringLiteral("12"))} << "4" << 1;
        // Windows reports AltGr as Ctrl+Alt: what it types counts, not a control character.
        QTest::newRow("AltGr digit passes")
            << "4" << QList<Stroke>{{Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, u"5"_qs}}
            << "45" << 0;
        QTest::newRow("ctrl+h is Backspace, without a tone")
            << "4" << QList<Stroke>{key(Qt::Key_H, Qt::ControlModifier)} << "4" << 0;
        QTest::newRow("tab and backtab move on without a tone")
            << "4" << QList<Stroke>{key(Qt::Key_Tab), key(Qt::Key_Backtab, Qt::ShiftModifier)}
            << "4" << 0;
        QTest::newRow("full-width digit refused")
            << "4" << QList<Stroke>{text(QStringLiteral("\uFF11"))} << "4" << 1;
    }
    void typedKeys()
    {
        QFETCH(QString, start);
        QFETCH(QList<Stroke>, strokes);
        QFETCH(QString, expected);
        QFETCH(int, tones);

        QLineEdit edit(start);
        DigitKeyFilter filter;
        filter.attach(&edit);
        edit.show();
        edit.setFocus();
        edit.end(false);
        type(&edit, strokes);
        QCOMPARE(edit.text(), expected);
        QCOMPARE(Tone::count(), tones);
    }

    void ctrlCCopiesNothing()
    {
        QLineEdit edit(QStringLiteral("123"));
        DigitKeyFilter filter;
        filter.attach(&edit);
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("777"));
        QCOMPARE(Tone::count(), 1);
    }

    void pastedTextKeepsItsDigits()
    {
        // The context menu's Paste does not go through the keys: what it brings is filtered as
        // a whole, with one tone, and cut to the cap from the end of what it put in.
        QLineEdit edit(QStringLiteral("19"));
        DigitKeyFilter filter;
        filter.attach(&edit, 4);
        edit.setCursorPosition(1);
        QApplication::clipboard()->setText(QStringLiteral("-3.5x٣45"));
        edit.paste();
        QCOMPARE(edit.text(), QStringLiteral("1359"));
        QCOMPARE(Tone::count(), 1);
    }

    void fieldWithoutTheFilterTakesEveryKey()
    {
        QLineEdit plain;
        QLineEdit filtered;
        DigitKeyFilter filter;
        filter.attach(&filtered);
        QTest::keyClicks(&plain, QStringLiteral("0.8a"));
        QTest::keyClicks(&filtered, QStringLiteral("0.8a"));
        QCOMPARE(plain.text(), QStringLiteral("0.8a"));
        QCOMPARE(filtered.text(), QStringLiteral("08"));
        QCOMPARE(Tone::count(), 2);
    }
};

QTEST_MAIN(TestDigitKeyFilter)
#include "tst_digitkeyfilter.moc"
