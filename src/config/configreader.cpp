#include "config/configreader.h"

#include "config/consolelines.h"
#include "config/consolevalue.h"
#include "config/generator.h"
#include "config/linetable.h"

#include <QHash>
#include <QSet>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace velmora {

namespace {

/// A name the table writes, in lower case; a two-word command such as `setinfo lefthand` keeps
/// its words apart by one blank.
QString keyOf(QStringView command)
{
    return command.trimmed().toString().toLower();
}

QString keyOfLine(const CheckLine &line)
{
    const QString command = QString::fromUtf8(line.command);
    return line.form == LineForm::KeyValue ? QStringLiteral("setinfo ") + command.toLower()
                                           : keyOf(command);
}

const QString kPresetKeys[] = {QStringLiteral("rate"), QStringLiteral("cl_updaterate"),
                               QStringLiteral("cl_cmdrate")};

/// Every name the table writes with a value, and every command it writes bare.
struct TableKeys
{
    QSet<QString> valued;
    QSet<QString> bare;

    TableKeys()
    {
        for (const QString &key : kPresetKeys)
            valued.insert(key);
        for (const ValueLine &line : valueLines())
            valued.insert(keyOf(QString::fromUtf8(line.command)));
        for (const CheckRow &row : checkRows()) {
            for (const auto *lines : {&row.checked, &row.unchecked}) {
                for (const CheckLine &line : *lines)
                    (line.form == LineForm::Bare ? bare : valued).insert(keyOfLine(line));
            }
        }
    }
};

const TableKeys &tableKeys()
{
    static const TableKeys keys;
    return keys;
}

/// The key a command sets when the table writes it: a valued name followed by exactly one
/// value, or a bare command word for word. Empty for every other command.
QString keyOfCommand(const QStringList &words)
{
    QStringList lower;
    for (const QString &word : words)
        lower.append(word.toLower());
    if (const QString bare = lower.join(u' '); tableKeys().bare.contains(bare))
        return bare;
    if (lower.size() >= 2) {
        lower.removeLast();
        if (const QString valued = lower.join(u' '); tableKeys().valued.contains(valued))
            return valued;
    }
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
    Reader(QStringView text, ReadRules rules)
        : m_script(readConsoleScript(text))
        , m_rules(rules)
    {
        for (int i = 0; i < m_script.commands.size(); ++i) {
            m_keys.append(keyOfCommand(m_script.commands.at(i).words));
            if (!m_keys.last().isEmpty())
                m_last.insert(m_keys.last(), i);
        }
    }

    ConfigReading read()
    {
        readPreset();
        for (const ValueLine &line : valueLines())
            readValueLine(line);
        for (const CheckRow &row : checkRows())
            readCheckRow(row);
        return leftOver();
    }

private:
    const QString *lastValue(const QString &key) const
    {
        const auto it = m_last.find(key);
        return it == m_last.end() ? nullptr : &m_script.commands.at(*it).words.last();
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
        return !field.digitsOnly || std::all_of(value.begin(), value.end(), [](QChar c) {
            return c.isDigit() && c.unicode() < 128;
        });
    }

    void readPreset()
    {
        QStringList values;
        for (const QString &key : kPresetKeys) {
            const QString *value = lastValue(key);
            if (!value)
                return;
            values.append(*value);
        }
        for (const ConnectionPreset &preset : connectionPresets()) {
            if (sameValue(values[0], QString::fromLatin1(preset.rate)) &&
                sameValue(values[1], QString::fromLatin1(preset.updateRate)) &&
                sameValue(values[2], QString::fromLatin1(preset.cmdRate))) {
                m_options.combo1 = QString::fromUtf8(preset.comboText);
                for (const QString &key : kPresetKeys)
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
        m_taken.insert(keyOf(QString::fromUtf8(line.command)));
        return true;
    }

    void readValueLine(const ValueLine &line)
    {
        const QString *value = lastValue(keyOf(QString::fromUtf8(line.command)));
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
                const QString &value = m_script.commands.at(*it).words.last();
                if (line.textField == 0 && !sameValue(value, QString::fromUtf8(line.value)))
                    return std::nullopt;
                if (line.textField != 0) {
                    if (!fieldTakes(line.textField, value))
                        return std::nullopt;
                    options.text(line.textField) = value;
                }
            }
            latest = std::max(latest, *it);
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

    ConfigReading leftOver() const
    {
        ConfigReading reading;
        reading.options = m_options;
        QList<QStringList> kept(m_script.lines.size());
        QList<bool> taken(m_script.lines.size(), false);
        for (int i = 0; i < m_script.commands.size(); ++i) {
            const ConsoleCommand &command = m_script.commands.at(i);
            if (m_taken.contains(m_keys.at(i)))
                taken[command.line] = true;
            else
                kept[command.line].append(command.source.toString());
        }
        for (int line = 0; line < m_script.lines.size(); ++line) {
            if (!taken[line]) {
                reading.otherLines.append(m_script.lines.at(line).toString());
                continue;
            }
            ++reading.intoControls;
            if (!kept[line].isEmpty())
                reading.otherLines.append(kept[line].join(QStringLiteral("; ")));
        }
        return reading;
    }

    ConsoleScript m_script;
    ReadRules m_rules;
    QStringList m_keys;         ///< per command: the key it sets, or empty
    QHash<QString, int> m_last; ///< key: its last command
    QSet<QString> m_taken;      ///< keys whose commands went into the controls
    OptionSnapshot m_options;
};

} // namespace

ConfigReading readConfig(QStringView text, ReadRules rules)
{
    return Reader(text, rules).read();
}

QStringList assignmentsFor(const OptionSnapshot &options)
{
    const OptionSnapshot startUp;
    QStringList arguments;
    for (const OptionInfo &option : optionInventory()) {
        const QString name = QString::fromLatin1(option.name);
        switch (option.kind) {
        case OptionKind::Combo:
            if (options.combo1 != startUp.combo1)
                arguments.append(name + u'=' + options.combo1);
            break;
        case OptionKind::Text:
            if (options.text(option.number) != startUp.text(option.number))
                arguments.append(name + u'=' + options.text(option.number));
            break;
        case OptionKind::Slider:
            if (options.slider(option.number) != startUp.slider(option.number))
                arguments.append(name + u'=' + QString::number(options.slider(option.number)));
            break;
        case OptionKind::Check: {
            const CheckValue value = option.number ? options.check(option.number) : options.pod;
            if (value != CheckValue::Unchecked)
                arguments.append(name + u'=' + QString::number(int(value)));
            break;
        }
        }
    }
    return arguments;
}

} // namespace velmora
