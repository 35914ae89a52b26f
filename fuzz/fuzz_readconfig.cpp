// --read-config and --check on arbitrary file bytes agree on what the game runs. The checker reads
// a script command by command as the console runs it (ConsoleLexer, consoleWords()); for every
// slider and free text line of the table, the value --read-config gives the control must be the
// first argument of the last such command the game runs, and a plain value that command carries
// must reach the control. A setting after a NUL, or swallowed by a cut, is in neither.

#include "base/textcodec.h"
#include "config/configreader.h"
#include "config/linetable.h"
#include "console/consolelexer.h"
#include "console/scriptcheck.h"

#include <QByteArray>
#include <QHash>

#include <cstdint>
#include <cstdlib>

namespace {

/// The first argument of the last command of each name the game runs, names in lower case.
QHash<QByteArray, QByteArray> lastArguments(QByteArrayView script)
{
    QHash<QByteArray, QByteArray> last;
    velmora::ConsoleLexer lexer(script);
    for (velmora::ScriptCommand command; lexer.next(&command);) {
        const QList<QByteArrayView> words = velmora::consoleWords(command.text);
        if (words.size() >= 2)
            last.insert(words[0].toByteArray().toLower(), words[1].toByteArray());
    }
    return last;
}

/// A value every control of its kind takes as written: a few digits, or a few letters.
bool isPlain(const QByteArray &value, bool digits)
{
    if (value.isEmpty() || value.size() > 6 || (digits && value.size() > 1 && value[0] == '0'))
        return false;
    for (const char c : value) {
        if (!(c >= '0' && c <= '9') && (digits || !(c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    velmora::checkScript(file); // the checker itself must not crash
    const velmora::OptionSnapshot read =
        velmora::readConfigOptions(file, velmora::ReadRules::CommandLine);
    const velmora::OptionSnapshot startUp;
    const QHash<QByteArray, QByteArray> last = lastArguments(file);
    for (const velmora::ValueLine &line : velmora::valueLines()) {
        const QByteArray name = QByteArray(line.command).trimmed().toLower();
        const auto it = last.constFind(name);
        const bool runs = it != last.cend();
        if (line.source == velmora::ValueSource::Slider) {
            const int value = read.slider(line.number);
            if (value != startUp.slider(line.number) && (!runs || it->toDouble() != value))
                std::abort(); // a setting the game never runs
            if (runs && isPlain(*it, true) &&
                velmora::sliderRange(line.number).contains(it->toInt()) && it->toInt() != value)
                std::abort(); // a setting the game runs, missed
        } else if (line.source == velmora::ValueSource::Text) {
            const QString &value = read.text(line.number);
            if (value != startUp.text(line.number) &&
                (!runs || velmora::encodeLossless(value) != *it))
                std::abort();
            if (runs && isPlain(*it, false) && velmora::encodeLossless(value) != *it)
                std::abort();
        }
    }
    return 0;
}
