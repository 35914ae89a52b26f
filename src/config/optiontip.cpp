#include "config/optiontip.h"

#include "config/linetable.h"
#include "console/gamecommands.h"

#include <QCoreApplication>

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

/// The first word of every line an option can write of its own: its value line, its box's
/// lines, its connection presets' lines.
QStringList commandsOf(const OptionInfo &option)
{
    QStringList commands;
    auto add = [&commands](const char *command) {
        if (command)
            commands.append(QString::fromUtf8(command).section(u' ', 0, 0));
    };
    add(option.command);
    for (const char *command : option.presetCommands)
        add(command);
    for (const auto *lines : {&option.checked, &option.unchecked}) {
        for (const CheckLine &line : *lines)
            add(line.form == LineForm::KeyValue ? "setinfo" : line.command);
    }
    return commands;
}

/// What the command table adds about the commands an option can write and those it writes now,
/// each once.
QStringList factNotes(const OptionInfo &option, const QStringList &written)
{
    QStringList commands = commandsOf(option);
    for (const QString &line : written)
        commands.append(line.section(u' ', 0, 0));
    QStringList notes;
    for (const QString &command : std::as_const(commands)) {
        const QString note = gameFactNote(command);
        if (!note.isEmpty() && !notes.contains(note))
            notes.append(note);
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
    // A box that writes nothing in any state (`pod` shows the bot's extras) has nothing to tell.
    if (option.kind == OptionKind::Check && option.checked.empty() && option.unchecked.empty())
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
    // The facts of the commands, even where none is written now (Combo1 with a connection type
    // not in the list still tells where the game keeps rate).
    statements += factNotes(option, written);
    // What the current game build does with each command, where it does not simply work.
    for (const QString &line : std::as_const(written)) {
        const QString note = gameStatusNote(line.section(u' ', 0, 0));
        if (!note.isEmpty() && !statements.contains(note))
            statements.append(note);
    }
    return statements.join(u'\n');
}

} // namespace velmora
