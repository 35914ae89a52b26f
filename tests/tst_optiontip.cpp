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

/// The stretch of run `with`'s lines from the first to the last that differ from run `without`:
/// the lines `with` has beyond `without` when that lacks one stretch, or the one line that
/// changes when one value moves.
QStringList differingLines(const OptionSnapshot &with, const OptionSnapshot &without)
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

} // namespace

class TestOptionTip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tipNamesTheGeneratorsLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("note"); ///< the game's limit the tip names; empty: none
        const QString fps = QStringLiteral("fps_override 1");
        const QString money = QStringLiteral("между 800 и 16000");
        // The command table's facts reach the tip of every control that writes the command; the
        // connection type tells where the game keeps rate even before a preset is chosen.
        const QMap<QString, QString> notes{{u"Combo1"_qs, u"hl.conf"_qs},
                                           {u"Slider2"_qs, fps},
                                           {u"Text6"_qs, money},
                                           {u"Check34"_qs, money},
                                           {u"Check37"_qs, u"в правой руке при cl_righthand 1"_qs},
                                           {u"Check41"_qs, u"gl_use_shaders"_qs}};
        for (const OptionInfo &option : optionInventory()) {
            const QString name = QString::fromLatin1(option.name);
            if (name != u"pod"_qs)
                QTest::newRow(option.name) << name << notes.value(name);
        }
    }
    void tipNamesTheGeneratorsLines()
    {
        QFETCH(QString, name);
        QFETCH(QString, note);
        const OptionInfo &option = *findOption(name);
        OptionSnapshot options;
        options.combo1 = QStringLiteral("Кабельное соединение");
        options.text(1) = QStringLiteral("40");
        // The tip shows the value the control holds now, not its default.
        if (option.kind == OptionKind::Text) {
            options.text(option.number) += QStringLiteral("5");
        } else if (option.kind == OptionKind::Slider) {
            const int value = options.slider(option.number);
            options.slider(option.number) = value < option.range.max ? value + 1 : value - 1;
        }
        const QString tip = optionTip(option, options);
        const QMap<QString, QStringList> said = statements(tip);
        if (note.isEmpty()) {
            QVERIFY2(!tip.contains(QStringLiteral("fps_override")) &&
                         !tip.contains(QStringLiteral("16000")) &&
                         !tip.contains(QStringLiteral("hl.conf")),
                     qPrintable(tip));
        } else {
            QVERIFY2(tip.contains(note), qPrintable(tip));
        }

        if (option.kind == OptionKind::Check) {
            OptionSnapshot grayed = options;
            grayed.check(option.number) = velmora::CheckValue::Grayed;
            for (const auto &[value, heading] :
                 {std::pair{velmora::CheckValue::Checked, QStringLiteral("Отмечено")},
                  std::pair{velmora::CheckValue::Unchecked, QStringLiteral("Не отмечено")}}) {
                OptionSnapshot state = options;
                state.check(option.number) = value;
                QCOMPARE(said.value(heading), differingLines(state, grayed));
            }
            // Grayed writes nothing, and the tip says so.
            QCOMPARE(generateLines(grayed).size() + differingLines(options, grayed).size(),
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
            QCOMPARE(written, differingLines(options, none));
            QCOMPARE(written.size(), 3);
            // With a connection type not in the list nothing is written, and the fact of rate
            // still stands.
            QVERIFY(optionTip(option, none).contains(note));
            return;
        }
        // The line with the value it holds now; for a field that a check box writes, the line
        // of that box once checked.
        OptionSnapshot now = options;
        for (int n = 1; n <= kCheckCount; ++n)
            now.check(n) = velmora::CheckValue::Checked;
        OptionSnapshot moved = now;
        if (option.kind == OptionKind::Text) {
            moved.text(option.number) += QStringLiteral("7");
        } else {
            const int value = now.slider(option.number);
            moved.slider(option.number) = value < option.range.max ? value + 1 : value - 1;
        }
        QCOMPARE(written, differingLines(now, moved));
        QCOMPARE(written.size(), 1);
        // Written only once a check box is ticked: the tip says so.
        const bool onlyWhenChecked =
            !withoutLineEnds(generateLines(options)).contains(written.first());
        QCOMPARE(said.firstKey().startsWith(QStringLiteral("Когда флажок отмечен")),
                 onlyWhenChecked);
    }

    void podHasNoTip() { QCOMPARE(optionTip(*findOption(u"pod"), OptionSnapshot()), QString()); }
};

QTEST_MAIN(TestOptionTip)
#include "tst_optiontip.moc"
