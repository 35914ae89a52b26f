#include "config/consolelines.h"

namespace velmora {

namespace {

/// The console reads bytes as signed chars: everything from 0x80 up counts as a blank.
bool isBlank(QChar c)
{
    return c.unicode() <= u' ' || c.unicode() >= 0x80;
}

bool isWordOfItsOwn(QChar c)
{
    return c == u'{' || c == u'}' || c == u'(' || c == u')' || c == u'\'' || c == u':';
}

QStringList wordsOf(QStringView command)
{
    QStringList words;
    qsizetype at = 0;
    const qsizetype size = command.size();
    for (;;) {
        while (at < size && isBlank(command[at]))
            ++at;
        if (at >= size || command.sliced(at).startsWith(u"//"))
            return words;
        const qsizetype start = at;
        if (command[at] == u'"') {
            const qsizetype close = command.indexOf(u'"', start + 1);
            const qsizetype end = close < 0 ? size : close;
            words.append(command.sliced(start + 1, end - start - 1).toString());
            at = close < 0 ? end : close + 1;
        } else if (isWordOfItsOwn(command[at])) {
            words.append(command.sliced(at++, 1).toString());
        } else {
            do {
                ++at;
            } while (at < size && !isBlank(command[at]) && !isWordOfItsOwn(command[at]));
            words.append(command.sliced(start, at - start).toString());
        }
    }
}

void readLine(QStringView line, int index, QList<ConsoleCommand> &commands)
{
    qsizetype at = 0;
    while (at <= line.size()) {
        bool quoted = false;
        qsizetype end = at;
        for (; end < line.size(); ++end) {
            if (line[end] == u'"')
                quoted = !quoted;
            else if (line[end] == u';' && !quoted)
                break;
        }
        const QStringView source = line.sliced(at, end - at).trimmed();
        QStringList words = wordsOf(source);
        if (!words.isEmpty())
            commands.append(ConsoleCommand{index, source, std::move(words)});
        at = end + 1;
    }
}

} // namespace

ConsoleScript readConsoleScript(QStringView text)
{
    ConsoleScript script;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = text.indexOf(u'\n', at);
        if (end < 0)
            end = text.size();
        QStringView line = text.sliced(at, end - at);
        if (line.endsWith(u'\r'))
            line.chop(1);
        readLine(line, int(script.lines.size()), script.commands);
        script.lines.append(line);
        at = end + 1;
    }
    return script;
}

} // namespace velmora
