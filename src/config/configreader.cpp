#include "config/configreader.h"

#include "base/textcodec.h"
#include "config/consolevalue.h"
#include "config/digitfilter.h"
#include "config/generator.h"
#include "config/linetable.h"
#include "console/consolelexer.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace velmora {

namespace {

/// A name the table writes, in lower case; a two-word command such as `setinfo lefthand` keeps
/// its words apart by one blank.
QByteArray keyOf(const char *command)
{
    return QByteArray(command).trimmed().toLower();
}

QByteArray keyOfLine(const CheckLine &line)
{
    return line.form == LineForm::KeyValue ? "setinfo " + keyOf(line.command) : keyOf(line.command);
}

/// Every name the table writes with a value, and every command it writes bare.
struct TableKeys
{
    QSet<QByteArray> valued;
    QSet<QByteArray> bare;
    QSet<QByteArray> firstWords; ///< of both: a command beginning otherwise sets nothing here

    TableKeys()
    {
        for (const char *command : connectionOption().presetCommands)
            valued.insert(keyOf(command));
        for (const ValueLine &line : valueLines())
            valued.insert(keyOf(line.command));
        for (const CheckRow &row : checkRows()) {
            for (const auto *lines : {&row.checked, &row.unchecked}) {
                for (const CheckLine &line : *lines)
                    (line.form == LineForm::Bare ? bare : valued).insert(keyOfLine(line));
            }
        }
        for (const auto *keys : {&valued, &bare}) {
            for (const QByteArray &key : *keys)
                firstWords.insert(key.first(key.indexOf(' ') < 0 ? key.size() : key.indexOf(' ')));
        }
    }
};

const TableKeys &tableKeys()
{
    static const TableKeys keys;
    return keys;
}

/// What one command sets among the table's names: the key, empty for none, and its value.
struct Setting
{
    QByteArray key;
    QByteArrayView value;
};

/// What a command sets as the game runs it: a bare command word for word; `setinfo KEY VALUE`
/// with exactly those words (the game refuses any other count); a variable its first argument,
/// whatever follows it (`fps_max 54 55` sets 54).
Setting settingOf(const QList<QByteArrayView> &words)
{
    const TableKeys &keys = tableKeys();
    const QByteArray first = words.first().toByteArray().toLower();
    if (!keys.firstWords.contains(first))
        return {};
    QByteArray joined = first;
    for (qsizetype i = 1; i < words.size(); ++i)
        joined += ' ' + words[i].toByteArray().toLower();
    if (keys.bare.contains(joined))
        return {joined, {}};
    if (first == "setinfo") {
        if (words.size() != 3)
            return {};
        QByteArray key = first + ' ' + words[1].toByteArray().toLower();
        return keys.valued.contains(key) ? Setting{key, words[2]} : Setting{};
    }
    if (words.size() >= 2 && keys.valued.contains(first))
        return {first, words[1]};
    return {};
}

/// A number written the plain way: an optional minus, digits with an optional point, an
/// optional exponent. Nothing else may follow.
std::optional<double> parseNumber(const QString &text)
{
    const QByteArray latin = text.toLatin1();
    if (latin.isEmpty() || text.size() != latin.size() || latin.contains('?'))
        return std::nullopt;
    double value = 0;
    const char *end = latin.constData() + latin.size();
    const auto [stop, error] = std::from_chars(latin.constData(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

/// Whether the game reads both values the same: the same text, or the same number.
bool sameValue(const QString &read, const QString &written)
{
    if (read == written)
        return true;
    const auto a = parseNumber(read);
    const auto b = parseNumber(written);
    return a && b && *a == *b;
}

QString doubleText(double value, std::chars_format format)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

class Reader
{
public:
    /// Reads what `script` sets: the last value of each key and where it stands.
    Reader(QByteArrayView script, ReadRules rules)
        : m_script(script)
        , m_rules(rules)
    {
        ConsoleLexer lexer(script);
        int order = 0;
        for (ScriptCommand command; lexer.next(&command);) {
            const QList<QByteArrayView> words = consoleWords(command.text);
            if (words.isEmpty())
                continue;
            if (const Setting setting = settingOf(words); !setting.key.isEmpty())
                m_last.insert(setting.key, {order, decodeLossless(setting.value)});
            ++order;
        }
    }

    OptionSnapshot read()
    {
        readPreset();
        for (const ValueLine &line : valueLines())
            readValueLine(line);
        for (const CheckRow &row : checkRows())
            readCheckRow(row);
        return m_options;
    }

    /// What read() left for the box, the script read a second time, line by line.
    void leftOver(ConfigReading &reading) const;

private:
    struct LastSetting
    {
        int order = 0; ///< among the commands with words
        QString value;
    };

    const QString *lastValue(const QByteArray &key) const
    {
        const auto it = m_last.find(key);
        return it == m_last.end() ? nullptr : &it->value;
    }

    bool fieldTakes(int number, const QString &value) const
    {
        const OptionInfo &field = textField(number);
        if (field.byteCap > 0 && (std::any_of(value.begin(), value.end(), isRefusedInValue) ||
                                  encodedSize(value) > field.byteCap))
            return false;
        if (m_rules == ReadRules::CommandLine)
            return true;
        if (field.maxLength > 0 && value.size() > field.maxLength)
            return false;
        if (!keepsToForm(value, numberForm(number)))
            return false;
        return !field.digitsOnly || std::all_of(value.begin(), value.end(), [](QChar c) {
            return c.isDigit() && c.unicode() < 128;
        });
    }

    /// Combo1 takes the preset whose every value the file sets.
    void readPreset()
    {
        QList<QByteArray> keys;
        QStringList values;
        for (const char *command : connectionOption().presetCommands) {
            const QString *value = lastValue(keys.emplace_back(keyOf(command)));
            if (!value)
                return;
            values.append(*value);
        }
        for (const ConnectionPreset &preset : connectionPresets()) {
            const bool same = std::equal(values.begin(), values.end(), preset.values.begin(),
                                         [](const QString &read, const char *own) {
                                             return sameValue(read, QString::fromLatin1(own));
                                         });
            if (same) {
                m_options.combo1 = QString::fromUtf8(preset.comboText);
                for (const QByteArray &key : std::as_const(keys))
                    m_taken.insert(key);
                return;
            }
        }
    }

    /// Tries `candidate` on a copy of the options; keeps it when the line then says `value`.
    bool tryLine(const ValueLine &line, const QString &value, const OptionSnapshot &candidate)
    {
        if (!sameValue(value, valueLineValue(line, candidate)))
            return false;
        m_options = candidate;
        m_taken.insert(keyOf(line.command));
        return true;
    }

    void readValueLine(const ValueLine &line)
    {
        const QString *value = lastValue(keyOf(line.command));
        if (!value)
            return;
        OptionSnapshot candidate = m_options;
        switch (line.source) {
        case ValueSource::Latency:
            readLatency(line, *value);
            return;
        case ValueSource::Text:
        case ValueSource::Volume:
            if (fieldTakes(line.number, *value)) {
                candidate.text(line.number) = *value;
                tryLine(line, *value, candidate);
            }
            return;
        case ValueSource::Slider:
            if (const auto number = parseNumber(*value);
                number && *number == std::trunc(*number) &&
                sliderRange(line.number).contains(int(std::clamp(*number, -1.0, 1e6)))) {
                candidate.slider(line.number) = int(*number);
                tryLine(line, *value, candidate);
            }
            return;
        case ValueSource::None:
            return;
        }
    }

    /// Two pings whose latency writes the value: whole numbers where the window's fields ask for
    /// digits, otherwise the nearest doubles whose mean gives it.
    void readLatency(const ValueLine &line, const QString &value)
    {
        if (tryLine(line, value, m_options)) // the start-up pings already say it
            return;
        const auto latency = value.startsWith(u'-') ? parseNumber(value.mid(1)) : std::nullopt;
        if (!latency || !std::isfinite(*latency))
            return;
        QList<std::pair<QString, QString>> pings;
        if (const double sum = std::round(*latency / 3 * 8); sum >= 0 && sum < 1e300) {
            for (const double s : {sum, sum - 1, sum + 1}) {
                const double half = std::floor(s / 2);
                if (s >= 0)
                    pings.append({doubleText(half, std::chars_format::fixed),
                                  doubleText(s - half, std::chars_format::fixed)});
            }
        }
        if (m_rules == ReadRules::CommandLine) {
            double mean = *latency / 3 * 4;
            // The mean in the generator's own number form first: "0.4" rather than
            // "0.39999999999999997" where both give the latency.
            if (std::isfinite(mean))
                pings.append({numberText(mean), numberText(mean)});
            for (int step = 0; step < 4 && std::isfinite(mean); ++step) {
                const QString ping = doubleText(mean, std::chars_format::general);
                pings.append({ping, ping});
                mean = std::nextafter(mean, step % 2 ? -INFINITY : INFINITY);
            }
        }
        for (const auto &[lowest, highest] : pings) {
            if (!fieldTakes(field::kLowestPing, lowest) ||
                !fieldTakes(field::kHighestPing, highest))
                continue;
            OptionSnapshot candidate = m_options;
            candidate.text(field::kLowestPing) = lowest;
            candidate.text(field::kHighestPing) = highest;
            if (tryLine(line, value, candidate))
                return;
        }
    }

    /// Whether the file holds every line of one state of a check box: the position of the last
    /// of them, with the fields those lines carry put into `options`.
    std::optional<int> findState(std::span<const CheckLine> lines, OptionSnapshot &options) const
    {
        if (lines.empty())
            return std::nullopt;
        int latest = -1;
        for (const CheckLine &line : lines) {
            const auto it = m_last.find(keyOfLine(line));
            if (it == m_last.end())
                return std::nullopt;
            if (line.form != LineForm::Bare) {
                const QString &value = it->value;
                if (line.textField == 0 && !sameValue(value, QString::fromUtf8(line.value)))
                    return std::nullopt;
                if (line.textField != 0) {
                    if (!fieldTakes(line.textField, value))
                        return std::nullopt;
                    options.text(line.textField) = value;
                }
            }
            latest = std::max(latest, it->order);
        }
        return latest;
    }

    void readCheckRow(const CheckRow &row)
    {
        OptionSnapshot checked = m_options;
        OptionSnapshot unchecked = m_options;
        const auto on = findState(row.checked, checked);
        const auto off = findState(row.unchecked, unchecked);
        // Both states present: the later lines are the ones the game keeps.
        if (on && (!off || *on > *off)) {
            m_options = checked;
            m_options.check(row.box) = CheckValue::Checked;
            take(row.checked);
        } else if (off) {
            m_options = unchecked;
            m_options.check(row.box) = CheckValue::Unchecked;
            take(row.unchecked);
        } else {
            // Unchecked writes lines of its own: only the grayed state writes nothing.
            m_options.check(row.box) =
                row.unchecked.empty() ? CheckValue::Unchecked : CheckValue::Grayed;
        }
    }

    void take(std::span<const CheckLine> lines)
    {
        for (const CheckLine &line : lines)
            m_taken.insert(keyOfLine(line));
    }

    QByteArrayView m_script;
    ReadRules m_rules;
    QHash<QByteArray, LastSetting> m_last;
    QSet<QByteArray> m_taken; ///< keys whose commands went into the controls
    OptionSnapshot m_options;
};

/// Where the `//` comment of a command starts, outside double quotes; -1 for none.
qsizetype commentStart(QByteArrayView command)
{
    bool quoted = false;
    for (qsizetype i = 0; i + 1 < command.size(); ++i) {
        if (command[i] == '"')
            quoted = !quoted;
        else if (!quoted && command[i] == '/' && command[i + 1] == '/')
            return i;
    }
    return -1;
}

void Reader::leftOver(ConfigReading &reading) const
{
    ConsoleLexer lexer(m_script);
    const QByteArrayView readable = lexer.readable();
    ScriptCommand command;
    bool more = lexer.next(&command);
    int lineNumber = 1;
    for (qsizetype at = 0; at < readable.size(); ++lineNumber) {
        qsizetype end = readable.indexOf('\n', at);
        if (end < 0)
            end = readable.size();
        QByteArrayView line = readable.sliced(at, end - at);
        if (line.endsWith('\r'))
            line.chop(1);
        at = end + 1;
        // An empty last line is the line break Save writes after the box: the box gets it back
        // as the end of its last line, so the file saved again is the file opened.
        if (line.isEmpty() && at >= readable.size())
            break;
        bool taken = false;
        QStringList kept;
        QString comment; // of a command that went into the controls: it stays in the box
        for (; more && command.line == lineNumber; more = lexer.next(&command)) {
            const QList<QByteArrayView> words = consoleWords(command.text);
            if (words.isEmpty()) {
                continue;
            } else if (m_taken.contains(settingOf(words).key)) {
                taken = true;
                if (const qsizetype slash = commentStart(command.text); slash >= 0)
                    comment = decodeLossless(command.text.sliced(slash).trimmed());
            } else {
                kept.append(decodeLossless(command.text.trimmed()));
            }
        }
        if (!taken) {
            reading.otherLines.append(decodeLossless(line));
            continue;
        }
        // A line stands on one side: in the box when anything of it stays there.
        QString rest = kept.join(QStringLiteral("; "));
        if (!comment.isEmpty())
            rest += (rest.isEmpty() ? QString() : QStringLiteral(" ")) + comment;
        if (rest.isEmpty())
            ++reading.intoControls;
        else
            reading.otherLines.append(rest);
    }
}

} // namespace

ConfigReading readConfig(QByteArrayView script, ReadRules rules)
{
    Reader reader(script, rules);
    ConfigReading reading;
    reading.options = reader.read();
    reader.leftOver(reading);
    return reading;
}

ConfigReading readConfig(QStringView text, ReadRules rules)
{
    return readConfig(encodeLossless(text), rules);
}

QByteArray settingKey(const QList<QByteArrayView> &words)
{
    return words.isEmpty() ? QByteArray() : settingOf(words).key;
}

OptionSnapshot readConfigOptions(QByteArrayView script, ReadRules rules)
{
    return Reader(script, rules).read();
}

} // namespace velmora
