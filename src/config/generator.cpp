#include "config/generator.h"

#include "config/consolevalue.h"
#include "config/linetable.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace velmora {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

bool isSkippedBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

/// Order of magnitude of a digit string "[int].[frac]" with exponent: how many places the first
/// significant digit stands left of the decimal point. Decides overflow against underflow.
long long magnitude(const std::string &intDigits, const std::string &fracDigits, long long exponent)
{
    const auto firstInt = intDigits.find_first_not_of('0');
    if (firstInt != std::string::npos)
        return static_cast<long long>(intDigits.size() - firstInt) + exponent;
    const auto firstFrac = fracDigits.find_first_not_of('0');
    return exponent - static_cast<long long>(firstFrac);
}

} // namespace

double parsePing(QStringView text)
{
    // Blanks, tabs and line feeds do not count anywhere, even inside the number.
    std::string s;
    s.reserve(size_t(text.size()));
    for (QChar c : text) {
        if (isSkippedBlank(c))
            continue;
        s.push_back(c.unicode() < 128 ? char(c.unicode()) : '\x7f');
    }

    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';

    std::string intDigits, fracDigits;
    while (i < s.size() && isDigit(s[i]))
        intDigits.push_back(s[i++]);
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            fracDigits.push_back(s[i++]);
    }
    if (intDigits.empty() && fracDigits.empty())
        return 0.0;

    // An exponent counts only when at least one digit follows its letter and sign.
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            negativeExponent = s[j++] == '-';
        if (j < s.size() && isDigit(s[j])) {
            for (; j < s.size() && isDigit(s[j]); ++j) {
                if (exponent < 1'000'000'000)
                    exponent = exponent * 10 + (s[j] - '0');
            }
            if (negativeExponent)
                exponent = -exponent;
        }
    }

    const auto firstSignificant = (intDigits + fracDigits).find_first_not_of('0');
    if (firstSignificant == std::string::npos)
        return 0.0;

    const std::string number = (intDigits.empty() ? std::string("0") : intDigits) + '.' +
                               fracDigits + 'e' + std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range) {
        // Beyond the range of a double: the nearest value a double holds.
        value = magnitude(intDigits, fracDigits, exponent) > 0 ? std::numeric_limits<double>::max()
                                                               : 0.0;
    }
    return negative ? -value : value;
}

double latencyOf(double lowestPing, double highestPing)
{
    double mean = (lowestPing + highestPing) / 2;
    if (!std::isfinite(mean))
        mean = lowestPing / 2 + highestPing / 2;
    return mean / 4 * 3;
}

QString numberText(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0");

    constexpr int kSignificant = 15;
    char buffer[64];
    // The decimal exponent after rounding to 15 significant digits decides the notation.
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                std::chars_format::scientific, kSignificant - 1);
    std::string scientific(buffer, result.ptr);
    const auto ePos = scientific.find('e');
    const int exponent = std::stoi(scientific.substr(ePos + 1));

    auto stripZeros = [](std::string digits) {
        if (digits.find('.') != std::string::npos) {
            while (digits.back() == '0')
                digits.pop_back();
            if (digits.back() == '.')
                digits.pop_back();
        }
        return digits;
    };

    std::string text;
    if (exponent < -4 || exponent >= kSignificant) {
        std::string exponentDigits = std::to_string(std::abs(exponent));
        if (exponentDigits.size() < 2)
            exponentDigits.insert(0, 1, '0');
        text = stripZeros(scientific.substr(0, ePos)) + 'E' + (exponent < 0 ? '-' : '+') +
               exponentDigits;
    } else {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                               kSignificant - 1 - exponent);
        text = stripZeros(std::string(buffer, result.ptr));
    }
    return QString::fromLatin1(text);
}

namespace {

QString valuedLine(const char *command, const QString &value)
{
    return QString::fromUtf8(command) + u'"' + value + u'"' + kLineEnd;
}

QString checkLine(const CheckLine &line, const OptionSnapshot &options)
{
    const QString value = checkLineValue(line, options);
    switch (line.form) {
    case LineForm::Bare:
        return QString::fromUtf8(line.command) + kLineEnd;
    case LineForm::KeyValue:
        return QStringLiteral("setinfo \"") + QString::fromUtf8(line.command) +
               QStringLiteral("\"\"") + value + u'"' + kLineEnd;
    case LineForm::Valued:
        break;
    }
    return valuedLine(line.command, value);
}

} // namespace

QString valueLineValue(const ValueLine &line, const OptionSnapshot &options)
{
    switch (line.source) {
    case ValueSource::Latency:
        // The minus is put in front of the number text, whatever its sign.
        return u'-' + numberText(latencyOf(parsePing(options.text(field::kLowestPing)),
                                           parsePing(options.text(field::kHighestPing))));
    case ValueSource::Text:
        return options.text(line.number);
    case ValueSource::Volume:
        return volumeValue(options.text(line.number));
    case ValueSource::Slider:
        return QString::number(options.slider(line.number));
    case ValueSource::None:
        break;
    }
    return {};
}

QString checkLineValue(const CheckLine &line, const OptionSnapshot &options)
{
    return line.textField ? options.text(line.textField) : QString::fromUtf8(line.value);
}

QList<TracedLine> generateTracedLines(const OptionSnapshot &options)
{
    QList<TracedLine> lines;
    lines.reserve(60);
    auto add = [&lines](QString text, ControlRef first, ControlRef second = {}) {
        lines.append(TracedLine{std::move(text), first, second});
    };
    const auto text = [](int n) { return ControlRef{OptionKind::Text, n}; };
    const auto slider = [](int n) { return ControlRef{OptionKind::Slider, n}; };
    const ControlRef combo{OptionKind::Combo, 1};

    const auto &presetCommands = connectionOption().presetCommands;
    for (const ConnectionPreset &preset : connectionPresets()) {
        if (options.combo1 == QString::fromUtf8(preset.comboText)) {
            for (std::size_t i = 0; i < presetCommands.size(); ++i)
                add(valuedLine(presetCommands[i], QString::fromLatin1(preset.values[i])), combo);
            break;
        }
    }

    for (const ValueLine &line : valueLines()) {
        const QString value = valueLineValue(line, options);
        switch (line.source) {
        case ValueSource::Latency:
            add(valuedLine(line.command, value), text(field::kLowestPing),
                text(field::kHighestPing));
            break;
        case ValueSource::Text:
        case ValueSource::Volume:
            add(valuedLine(line.command, value), text(line.number));
            break;
        case ValueSource::Slider:
            add(valuedLine(line.command, value), slider(line.number));
            break;
        case ValueSource::None:
            break;
        }
    }

    for (const CheckRow &row : checkRows()) {
        const CheckValue value = options.check(row.box);
        const ControlRef box{OptionKind::Check, row.box};
        auto addRow = [&](std::span<const CheckLine> rowLines) {
            for (const CheckLine &line : rowLines)
                add(checkLine(line, options), box,
                    line.textField ? text(line.textField) : ControlRef{});
        };
        // Two separate tests: a grayed box (2) matches neither and writes nothing.
        if (value == CheckValue::Checked)
            addRow(row.checked);
        if (value == CheckValue::Unchecked)
            addRow(row.unchecked);
    }
    return lines;
}

QStringList generateLines(const OptionSnapshot &options)
{
    QStringList lines;
    const QList<TracedLine> traced = generateTracedLines(options);
    lines.reserve(traced.size());
    for (const TracedLine &line : traced)
        lines.append(line.text);
    return lines;
}

QString generateText(const OptionSnapshot &options)
{
    return generateLines(options).join(QString());
}

} // namespace velmora
