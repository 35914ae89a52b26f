#include "config/showafteropen.h"

#include "base/textcodec.h"
#include "config/configreader.h"
#include "config/generator.h"
#include "console/consolelexer.h"

#include <QSet>

namespace velmora {

namespace {

/// Every name among the controls' lines that the script sets.
QSet<QByteArray> keysSetBy(QByteArrayView script)
{
    QSet<QByteArray> keys;
    ConsoleLexer lexer(script);
    for (ScriptCommand command; lexer.next(&command);) {
        if (QByteArray key = settingKey(consoleWords(command.text)); !key.isEmpty())
            keys.insert(std::move(key));
    }
    return keys;
}

bool sameState(ControlRef control, const OptionSnapshot &a, const OptionSnapshot &b)
{
    switch (control.kind) {
    case OptionKind::Combo:
        return control.number == 0 || a.combo1 == b.combo1;
    case OptionKind::Text:
        return a.text(control.number) == b.text(control.number);
    case OptionKind::Slider:
        return a.slider(control.number) == b.slider(control.number);
    case OptionKind::Check:
        return a.check(control.number) == b.check(control.number);
    }
    return false;
}

} // namespace

QString generateBesideBox(const OptionSnapshot &options, const OptionSnapshot &settled,
                          QByteArrayView boxScript)
{
    const QSet<QByteArray> boxKeys = keysSetBy(boxScript);
    QString text;
    for (const TracedLine &line : generateTracedLines(options)) {
        const bool untouched =
            sameState(line.first, options, settled) && sameState(line.second, options, settled);
        const QByteArray bytes = encodeLossless(line.text);
        if (untouched && boxKeys.contains(settingKey(consoleWords(bytes))))
            continue;
        text += line.text;
    }
    return text;
}

} // namespace velmora
