#include "console/consolelexer.h"

#include <algorithm>
#include <cstring>

namespace velmora {

namespace {

constexpr qsizetype kWordLimit = 515; // a word this long ends the tokenizing of its command
constexpr qsizetype kMostWords = 80;  // the tokenizer keeps no more

bool isWordOfItsOwn(char c)
{
    return c == '{' || c == '}' || c == '(' || c == ')' || c == '\'' || c == ',' || c == ':';
}

/// Where the command that starts at `from` ends, looking no further than `stop`: the first line
/// feed, or `;` outside double quotes; `stop` when there is none before it.
qsizetype commandEnd(const char *data, qsizetype from, qsizetype stop)
{
    bool quoted = false;
    for (qsizetype at = from; at < stop; ++at) {
        const char c = data[at];
        if (c == '"')
            quoted = !quoted;
        else if (c == '\n' || (c == ';' && !quoted))
            return at;
    }
    return stop;
}

} // namespace

ConsoleLexer::ConsoleLexer(QByteArrayView script)
    : m_script(script)
{
    const void *nul =
        script.isEmpty() ? nullptr : std::memchr(script.data(), 0, size_t(script.size()));
    m_end = nul ? static_cast<const char *>(nul) - script.data() : script.size();
}

bool ConsoleLexer::next(ScriptCommand *command)
{
    if (m_at >= m_end)
        return false;
    const char *data = m_script.data();
    // One byte past what the console keeps tells a command of exactly that length from a cut one.
    const qsizetype stop = std::min(m_end, m_at + kConsoleCommandLimit + 1);
    qsizetype end = commandEnd(data, m_at, stop);
    m_scanned += end - m_at;
    command->line = m_line;
    command->cut = end - m_at > kConsoleCommandLimit;
    command->cutLoses = false;
    if (command->cut) {
        end = m_at + kConsoleCommandLimit; // the byte at `end` is lost
        const qsizetype restStart = end + 1;
        const qsizetype restEnd =
            commandEnd(data, restStart, std::min(m_end, restStart + kConsoleCommandLimit));
        const QByteArrayView rest(data + restStart, restEnd - restStart);
        command->cutLoses = !isConsoleBlank(data[end]) || !consoleWords(rest).isEmpty();
    }
    command->text = QByteArrayView(data + m_at, end - m_at);
    if (end < m_end && data[end] == '\n')
        ++m_line;
    m_at = end + 1;
    return true;
}

QList<QByteArrayView> consoleWords(QByteArrayView command)
{
    QList<QByteArrayView> words;
    const qsizetype size = command.size();
    qsizetype at = 0;
    while (words.size() < kMostWords) {
        while (at < size && isConsoleBlank(command[at]))
            ++at;
        if (at >= size || (command[at] == '/' && at + 1 < size && command[at + 1] == '/'))
            break;
        const qsizetype start = at;
        QByteArrayView word;
        if (command[at] == '"') {
            const qsizetype close = command.indexOf('"', start + 1);
            const qsizetype end = close < 0 ? size : close;
            word = command.sliced(start + 1, end - start - 1);
            at = close < 0 ? end : close + 1;
        } else if (isWordOfItsOwn(command[at])) {
            word = command.sliced(at++, 1);
        } else {
            // Bytes from 0x80 up never start a word but do not end one.
            do {
                ++at;
            } while (at < size && !isWordOfItsOwn(command[at]) &&
                     (static_cast<unsigned char>(command[at]) > ' '));
            word = command.sliced(start, at - start);
        }
        if (word.size() >= kWordLimit)
            break;
        words.append(word);
    }
    return words;
}

} // namespace velmora
