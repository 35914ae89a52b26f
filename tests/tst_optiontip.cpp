// Each option's tool tip against what the generator really writes. The expected lines are read
// off whole generator runs that differ only in the one control, never from the line table.
#include "config/generator.h"
#include "config/optiontip.h"

#include <QTest>

using namespace velmora;

namespace {

QStringList withoutLineEnds(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        out << line.chopped(2);
    return out;
}

/// The block of lines a run `with` has beyond a run `without`, where `without` is the same run
/// missing one stretch of lines.
QStringList insertedLines(const OptionSnapshot &with, const OptionSnapshot &without)
{
    const QStringList a = withoutLineEnds(generateLines(with));
    const QStringList b = withoutLineEnds(generateLines(without));
    qsizetype head = 0;
    while (head < b.size() && a.at(head) == b.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < b.size() - head && a.at(a.size() - 1 - tail) == b.at(b.size() - 1 - tail))
        ++tail;
    return a.mid(head, a.size() - head - tail);
}

/// The lines of run `a` that change when one value moves (both runs have the same lines).
QStringList changedLines(const OptionSnapshot &a, const OptionSnapshot &b)
{
    const QStringList la = withoutLineEnds(generateLines(a));
    const QStringList lb = withoutLineEnds(generateLines(b));
    Q_ASSERT(la.size() == lb.size());
    QStringList changed;
    for (qsizetype i = 0; i < la.size(); ++i) {
        if (la.at(i) != lb.at(i))
            changed << la.at(i);
    }
    return changed;
}

/// The tip read back into heading -> lines ("ничего" is no line).
QMap<QString, QStringList> statements(const QString &tip)
{
    QMap<QString, QStringList> result;
    QString heading;
    for (const QString &line : tip.split(u'\n')) {
        if (line.startsWith(QLatin1String("  "))) {
            result[heading] << line.mid(2);
            continue;
        }
        const qsizetype colon = line.indexOf(QLatin1String(":"));
        if (colon < 0)
            continue; // a note on the game's limits
        heading = line.left(colon);
        const QString rest = line.mid(colon + 1).trimmed();
        QStringList &lines = result[heading];
        if (!rest.isEmpty() && !rest.startsWith(QStringLiteral("ничего")))
            lines << rest;
    }
    return result;
}

OptionSnapshot allChecked()
{
    OptionSnapshot options;
    for (int n = 1; n <= kCheckCount; ++n)
        options.check(n) = velmora::CheckValue::Checked;
    return options;
}

} // namespace

class TestOptionTip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tipNamesTheGeneratorsLines_data()
    {
        QTest::addColumn<QString>("name");
        for (const OptionInfo &option : optionInventory()) {
            if (option.number != 0)
                QTest::newRow(option.name) << QString::fromLatin1(option.name);
        }
    }
    void tipNamesTheGeneratorsLines()
    {
        QFETCH(QString, name);
        const OptionInfo &option = *findOption(name);
        OptionSnapshot options;
        options.combo1 = QStringLiteral("Кабельное соединение");
        options.text(1) = QStringLiteral("40");
        const QMap<QString, QStringList> said = statements(optionTip(option, options));

        if (option.kind == OptionKind::Check) {
            OptionSnapshot grayed = options;
            grayed.check(option.number) = velmora::CheckValue::Grayed;
            for (const auto &[value, heading] :
                 {std::pair{velmora::CheckValue::Checked, QStringLiteral("Отмечено")},
                  std::pair{velmora::CheckValue::Unchecked, QStringLiteral("Не отмечено")}}) {
                OptionSnapshot state = options;
                state.check(option.number) = value;
                QCOMPARE(said.value(heading), insertedLines(state, grayed));
            }
            // Grayed writes nothing, and the tip says so.
            QCOMPARE(generateLines(grayed).size() + insertedLines(options, grayed).size(),
                     generateLines(options).size());
            QVERIFY(said.contains(QStringLiteral("Серая отметка (значение 2)")));
            QCOMPARE(said.value(QStringLiteral("Серая отметка (значение 2)")), QStringList());
            QCOMPARE(said.size(), 3);
            return;
        }

        QCOMPARE(said.size(), 1);
        const QStringList written = said.first();
        if (option.kind == OptionKind::Combo) {
            OptionSnapshot none = options;
            none.combo1.clear();
            QCOMPARE(written, insertedLines(options, none));
            QCOMPARE(written.size(), 3);
            return;
        }
        // The line with the value it holds now; for a field that a check box writes, the line
        // of that box once checked.
        OptionSnapshot now = allChecked();
        now.combo1 = options.combo1;
        now.text(1) = options.text(1);
        OptionSnapshot moved = now;
        if (option.kind == OptionKind::Text) {
            moved.text(option.number) += QStringLiteral("7");
        } else {
            const int value = now.slider(option.number);
            moved.slider(option.number) = value < option.range.max ? value + 1 : value - 1;
        }
        QCOMPARE(written, changedLines(now, moved));
        QCOMPARE(written.size(), 1);
        // Written only once a check box is ticked: the tip says so.
        const bool onlyWhenChecked =
            !withoutLineEnds(generateLines(options)).contains(written.first());
        QCOMPARE(said.firstKey().startsWith(QStringLiteral("Когда флажок отмечен")),
                 onlyWhenChecked);
    }

    void tipFollowsTheCurrentValue()
    {
        OptionSnapshot options;
        options.slider(2) = 150;
        options.text(5) = QStringLiteral("<b>Ник</b>");
        QCOMPARE(optionTip(*findOption(u"Slider2"), options).section(u'\n', 0, 0),
                 QStringLiteral("Пишет: fps_max \"150\""));
        QCOMPARE(optionTip(*findOption(u"Text5"), options),
                 QStringLiteral("Пишет: name \"<b>Ник</b>\""));
        QCOMPARE(optionTip(*findOption(u"Check2"), options),
                 QStringLiteral("Отмечено: r_decals \"1\"\nНе отмечено: r_decals \"0\"\n"
                                "Серая отметка (значение 2): ничего"));
        QCOMPARE(optionTip(*findOption(u"Combo1"), options),
                 QStringLiteral("Пишет: ничего (тип соединения не из списка)"));
    }

    void limitsOfTheGameAreNamedWhereTheyApply_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("note");
        const QString fps = QStringLiteral("fps_override 1");
        const QString money = QStringLiteral("между 800 и 16000");
        QTest::newRow("Slider2") << u"Slider2"_qs << fps;
        QTest::newRow("Text6") << u"Text6"_qs << money;
        QTest::newRow("Check34") << u"Check34"_qs << money;
        QTest::newRow("Slider1") << u"Slider1"_qs << QString();
        QTest::newRow("Text7") << u"Text7"_qs << QString();
        QTest::newRow("Check39") << u"Check39"_qs << QString();
    }
    void limitsOfTheGameAreNamedWhereTheyApply()
    {
        QFETCH(QString, name);
        QFETCH(QString, note);
        const QString tip = optionTip(*findOption(name), OptionSnapshot());
        if (note.isEmpty()) {
            QVERIFY2(!tip.contains(QStringLiteral("fps_override")) &&
                         !tip.contains(QStringLiteral("16000")),
                     qPrintable(tip));
        } else {
            QVERIFY2(tip.contains(note), qPrintable(tip));
        }
    }

    void podHasNoTip() { QCOMPARE(optionTip(*findOption(u"pod"), OptionSnapshot()), QString()); }
};

QTEST_MAIN(TestOptionTip)
#include "tst_optiontip.moc"
