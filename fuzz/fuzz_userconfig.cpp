// The userconfig.cfg chain on arbitrary file bytes: finding the line never crashes, a file that
// already runs autoexec.cfg gets no second line, and a file that does not keeps every byte and
// runs autoexec.cfg once the lines are added; one with a NUL byte, which ends what the console
// reads, is left alone. The finder reads each byte once, however long the lines (inputs go up to
// 1 MiB: scripts/fuzz.sh lets long lines in).
// The finder is also checked against a plain rule: a file of whole lines without quotes, `;`,
// `//` or long lines runs autoexec.cfg exactly when one line's words are `exec autoexec.cfg`.

#include "console/consolescript.h"
#include "gamefiles/userconfig.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <cstdlib>

namespace {

/// Whether the file stays inside the plain rule's reach.
bool isPlain(const QByteArray &file)
{
    if (file.contains('"') || file.contains(';') || file.contains("//") || file.contains('\0'))
        return false;
    for (const QByteArray &line : file.split('\n')) {
        if (line.size() > 500) // no cut, and no word long enough to stop the reading
            return false;
        for (char c : line) {
            if (c == '{' || c == '}' || c == '(' || c == ')' || c == '\'' || c == ':')
                return false;
        }
    }
    return true;
}

/// The plain rule: split each line at blanks (every byte up to a space, and every byte from 0x80).
bool plainRuleRuns(const QByteArray &file)
{
    for (const QByteArray &line : file.split('\n')) {
        QList<QByteArray> words;
        QByteArray word;
        for (char c : QByteArray(line + ' ')) {
            if (static_cast<signed char>(c) <= ' ') {
                if (!word.isEmpty())
                    words << word;
                word.clear();
            } else {
                word += c;
            }
        }
        if (words.size() == 2 && words[0].toLower() == "exec" &&
            words[1].toLower() == "autoexec.cfg")
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    qsizetype read = 0;
    const bool runs = velmora::scriptExecs(file, "autoexec.cfg", &read);
    if (read > file.size())
        std::abort(); // a byte looked at twice: long lines would cost their square
    const QByteArray chained = velmora::withUserconfigChain(file);
    if (runs || file.contains('\0')) {
        if (chained != file)
            std::abort(); // a second line where one is active, or one that would never run
        return 0;
    }
    if (!chained.startsWith(file) || chained.size() <= file.size())
        std::abort();
    if (!velmora::scriptExecs(chained, "autoexec.cfg"))
        std::abort();
    if (velmora::withUserconfigChain(chained) != chained)
        std::abort(); // added twice
    if (isPlain(file) && plainRuleRuns(file) != runs)
        std::abort();
    return 0;
}
