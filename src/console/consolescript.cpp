#include "console/consolescript.h"

#include "console/consolelexer.h"

namespace velmora {

namespace {

bool equalsNoCase(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

bool scriptExecs(QByteArrayView script, QByteArrayView fileName, qsizetype *bytesRead)
{
    ConsoleLexer lexer(script);
    bool runs = false;
    for (ScriptCommand command; !runs && lexer.next(&command);) {
        const QList<QByteArrayView> words = consoleWords(command.text);
        runs =
            words.size() == 2 && equalsNoCase(words[0], "exec") && equalsNoCase(words[1], fileName);
    }
    if (bytesRead)
        *bytesRead += lexer.bytesScanned();
    return runs;
}

} // namespace velmora
