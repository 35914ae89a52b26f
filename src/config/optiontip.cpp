#include "config/optiontip.h"

#include "config/linetable.h"
#include "console/gamecommands.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmora {

namespace {

QString tipText(const char *text)
{
    return QCoreApplication::translate("OptionTip", text);
}

QString statement(const QString &heading, const QStringList &lines)
{
    if (lines.isEmpty())
        return heading + QStringLiteral(": ") + tipText(QT_TRANSLATE_NOOP("OptionTip", "ничего"));
    if (lines.size() == 1)
        return heading + QStringLiteral(": ") + lines.first();
    return heading + QStringLiteral(":\n  ") + lines.join(QStringLiteral("\n  "));
}

/// The check boxes whose lines carry the text of field Text<field>.
QList<int> boxesCarrying(int field)
{
    QList<int> boxes;
    for (const CheckRow &row : checkRows()) {
        for (const auto *lines : {&row.checked, &row.unchecked}) {
            for (const CheckLine &line : *lines) {
                if (line.textField == field && !boxes.contains(row.box))
                    boxes.append(row.box);
            }
        }
    }
    return boxes;
}

/// The commands of an option's own lines: its value line, or every line of its check box.
QStringList commandsOf(const OptionInfo &option)
{
    QStringList commands;
    if (option.command)
        commands.append(QString::fromUtf8(option.command));
    for (const auto *lines : {&option.checked, &option.unchecked}) {
        for (const CheckLine &line : *lines)
            commands.append(QString::fromUtf8(line.command));
    }
    return commands;
}

/// Where the game itself bounds a value: the note of the option that owns the command, so the
/// note follows whichever control writes the line.
QStringList limitNotes(const QStringList &lines)
{
    QStringList notes;
    for (const OptionInfo &option : optionInventory()) {
        if (!option.tipNote)
            continue;
        const QStringList commands = commandsOf(option);
        const bool written = std::any_of(lines.begin(), lines.end(), [&](const QString &line) {
            return std::any_of(commands.begin(), commands.end(),
                               [&](const QString &command) { return line.startsWith(command); });
        });
        if (written)
            notes.append(optionText(option.tipNote));
    }
    return notes;
}

} // namespace

QStringList linesOfControl(ControlRef control, const OptionSnapshot &options)
{
    QStringList lines;
    for (const TracedLine &line : generateTracedLines(options)) {
        if (line.cameFrom(control))
            lines.append(line.text.chopped(2)); // without CR LF
    }
    return lines;
}

QString optionTip(const OptionInfo &option, const OptionSnapshot &options)
{
    if (option.number == 0)
        return {};
    const ControlRef self{option.kind, option.number};
    QStringList statements;
    QStringList written;

    if (option.kind == OptionKind::Check) {
        const struct
        {
            CheckValue value;
            const char *heading;
        } states[] = {
            {CheckValue::Checked, QT_TRANSLATE_NOOP("OptionTip", "Отмечено")},
            {CheckValue::Unchecked, QT_TRANSLATE_NOOP("OptionTip", "Не отмечено")},
            {CheckValue::Grayed, QT_TRANSLATE_NOOP("OptionTip", "Серая отметка (значение 2)")}};
        for (const auto &state : states) {
            OptionSnapshot variant = options;
            variant.check(option.number) = state.value;
            const QStringList lines = linesOfControl(self, variant);
            statements.append(statement(tipText(state.heading), lines));
            written += lines;
        }
    } else {
        // A field that only a check box writes: the line that box writes once checked.
        OptionSnapshot variant = options;
        const QList<int> boxes =
            option.kind == OptionKind::Text ? boxesCarrying(option.number) : QList<int>();
        for (int box : boxes)
            variant.check(box) = CheckValue::Checked;
        written = linesOfControl(self, variant);
        QString heading =
            boxes.isEmpty()
                ? tipText(QT_TRANSLATE_NOOP("OptionTip", "Пишет"))
                : tipText(QT_TRANSLATE_NOOP("OptionTip", "Когда флажок отмечен, пишет"));
        QString said = statement(heading, written);
        if (written.isEmpty() && option.kind == OptionKind::Combo)
            said += tipText(QT_TRANSLATE_NOOP("OptionTip", " (тип соединения не из списка)"));
        statements.append(said);
    }
    // The control's own note, even where no command of its own is written (the connection type's
    // lines come from its preset).
    if (option.tipNote)
        statements.append(optionText(option.tipNote));
    for (const QString &note : limitNotes(written)) {
        if (!statements.contains(note))
            statements.append(note);
    }
    // What the current game build does with each command, where it does not simply work.
    for (const QString &line : std::as_const(written)) {
        const QString note = gameStatusNote(line.section(u' ', 0, 0));
        if (!note.isEmpty() && !statements.contains(note))
            statements.append(note);
    }
    return statements.join(u'\n');
}

} // namespace velmora
