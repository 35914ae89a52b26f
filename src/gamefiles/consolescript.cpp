#include "gamefiles/consolescript.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr qsizetype kLineLimit = 1023; // bytes of one command the console keeps
constexpr qsizetype kWordLimit = 515;  // a word this long stops the reading of its command

/// The console reads bytes as signed chars: every byte from 0x80 up counts as a blank.
bool isBlank(char c)
{
    return static_cast<signed char>(c) <= ' ';
}

bool isSingleCharacterWord(char c)
{
    return c == '{' || c == '}' || c == ')' || c == '(' || c == '\'' || c == ':';
}

/// The words of one command, one at a time.
class Words
{
public:
    explicit Words(QByteArrayView command)
        : m_text(command)
    {
    }

    /// The next word, or false when the command has no more.
    bool next(QByteArrayView *word)
    {
        for (;;) {
            while (m_at < m_text.size() && isBlank(m_text[m_at]))
                ++m_at;
            if (m_at >= m_text.size())
                return false;
            if (m_text[m_at] == '/' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '/') {
                return false; // a comment runs to the end of the command
            }
            break;
        }
        const qsizetype start = m_at;
        const char c = m_text[m_at];
        if (c == '"') {
            const qsizetype close = m_text.indexOf('"', start + 1);
            const qsizetype end = close < 0 ? m_text.size() : close;
            *word = m_text.sliced(start + 1, end - start - 1);
            m_at = close < 0 ? end : close + 1;
            return true;
        }
        if (isSingleCharacterWord(c)) {
            *word = m_text.sliced(start, 1);
            ++m_at;
            return true;
        }
        do {
            ++m_at;
        } while (m_at < m_text.size() && !isBlank(m_text[m_at]) &&
                 !isSingleCharacterWord(m_text[m_at]));
        *word = m_text.sliced(start, m_at - start);
        return true;
    }

private:
    QByteArrayView m_text;
    qsizetype m_at = 0;
};

bool equalsNoCase(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

bool commandExecs(QByteArrayView command, QByteArrayView fileName)
{
    Words words(command);
    QByteArrayView word;
    if (!words.next(&word) || !equalsNoCase(word, "exec"))
        return false;
    if (!words.next(&word) || !equalsNoCase(word, fileName))
        return false;
    // A third word makes exec refuse to run, unless it is so long that reading stops before it.
    return !words.next(&word) || word.size() >= kWordLimit;
}

} // namespace

bool scriptExecs(QByteArrayView script, QByteArrayView fileName, qsizetype *bytesRead)
{
    if (const qsizetype nul = script.indexOf('\0'); nul >= 0)
        script = script.first(nul);
    qsizetype at = 0;
    while (at < script.size()) {
        // A command ends at its first kLineLimit bytes whatever follows, so the search for its
        // end stops there: each byte of the script is looked at once, however long its line.
        const qsizetype stop = std::min(script.size(), at + kLineLimit);
        bool quoted = false;
        qsizetype end = at;
        for (; end < stop; ++end) {
            const char c = script[end];
            if (c == '"')
                quoted = !quoted;
            else if ((c == ';' && !quoted) || c == '\n')
                break;
        }
        if (bytesRead)
            *bytesRead += end - at;
        // Cut or ended, the byte at `end` is not part of the next command.
        if (commandExecs(script.sliced(at, end - at), fileName))
            return true;
        at = end + 1;
    }
    return false;
}

QList<QByteArrayView> consoleWords(QByteArrayView command)
{
    QList<QByteArrayView> words;
    Words reader(command);
    for (QByteArrayView word; reader.next(&word);)
        words.append(word);
    return words;
}

} // namespace velmora
