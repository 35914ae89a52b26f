#include "console/crosshair.h"

#include "base/textcodec.h"
#include "console/consolelexer.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

// How the game takes the four settings, from the rebuilt client code (cs16-client,
// cl_dll/ammo.cpp): CalcCrosshairColor reads cl_crosshair_color with sscanf "%d %d %d" and holds
// each part within 0 to 255, a part it cannot read keeps its earlier value; CalculateCrosshairSize
// takes the size's name in any letter case or a number read by strtol (0 auto, 1 small, 2 medium,
// 3 large; above 3, or text that is no number, prints the usage and keeps the size it had);
// CalcCrosshairDrawMode takes cl_crosshair_translucent as a number, 0 or 1, and sets anything else
// back to 1; DrawCrosshair takes cl_dynamiccrosshair as on for every number but 0. A variable set
// from the console takes its first argument only, and its number is read from the text's start
// (text that is no number reads as 0).

namespace velmora {

namespace {

/// One command of a box's text, as the console takes it, in the text's own terms.
struct ConsoleCommand
{
    int line = 0;   ///< index of its line in ConsoleScript::lines
    QString source; ///< the command's own text, without the blanks around it
    QStringList words;
};

/// The box's text read the way the console reads it (see ConsoleLexer), with its lines: a line
/// feed ends a line, a CR before it belongs to the line end.
struct ConsoleScript
{
    QList<QStringView> lines;
    QList<ConsoleCommand> commands; ///< every command with at least one word, in order
};

ConsoleScript readConsoleScript(QStringView text)
{
    ConsoleScript script;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        script.lines << text.sliced(start, end - start - (end > start && text[end - 1] == u'\r'));
        start = next;
    }
    const QByteArray bytes = encodeLossless(text);
    ConsoleLexer lexer(bytes);
    ScriptCommand command;
    while (lexer.next(&command)) {
        const QList<QByteArrayView> words = consoleWords(command.text);
        if (words.isEmpty())
            continue;
        QByteArrayView source = command.text;
        while (!source.isEmpty() && uchar(source.front()) <= ' ')
            source = source.sliced(1);
        while (!source.isEmpty() && uchar(source.back()) <= ' ')
            source.chop(1);
        ConsoleCommand taken{command.line - 1, decodeLossless(source), {}};
        for (QByteArrayView word : words)
            taken.words << decodeLossless(word);
        script.commands << taken;
    }
    return script;
}

enum Setting { Colour, Size, Translucent, Dynamic, SettingCount };

constexpr const char *kNames[SettingCount] = {
    "cl_crosshair_color",
    "cl_crosshair_size",
    "cl_crosshair_translucent",
    "cl_dynamiccrosshair",
};

constexpr CrosshairPreset kPresets[] = {
    {QT_TRANSLATE_NOOP("CrosshairDialog", "Зелёный"), {50, 250, 50}},
    {QT_TRANSLATE_NOOP("CrosshairDialog", "Красный"), {250, 50, 50}},
    {QT_TRANSLATE_NOOP("CrosshairDialog", "Синий"), {50, 50, 250}},
    {QT_TRANSLATE_NOOP("CrosshairDialog", "Жёлтый"), {250, 250, 50}},
    {QT_TRANSLATE_NOOP("CrosshairDialog", "Голубой"), {50, 250, 250}},
};

constexpr const char *kSizeNames[] = {"auto", "small", "medium", "large"};

std::optional<Setting> settingNamed(QStringView name)
{
    for (int s = 0; s < SettingCount; ++s) {
        if (name.compare(QLatin1StringView(kNames[s]), Qt::CaseInsensitive) == 0)
            return Setting(s);
    }
    return std::nullopt;
}

/// The C library's white space, which sscanf and strtol skip.
bool isSpace(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

/// An integer read as strtol and sscanf's %d read one: blanks, a sign, digits. `at` moves past
/// it; nothing when there are no digits. Values past int are held at its ends.
std::optional<int> readInteger(QStringView text, qsizetype &at)
{
    qsizetype i = at;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    const qsizetype digits = i;
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min<long long>(value * 10 + text[i].digitValue(), 1LL << 40);
    if (i == digits)
        return std::nullopt;
    at = i;
    value = negative ? -value : value;
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

/// A variable's number as the engine reads it from its text: the leading decimal number, 0 when
/// the text does not start with one. `whole` tells whether the number was all of the text.
double variableNumber(QStringView text, bool *whole)
{
    qsizetype i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    qsizetype end = i;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+'))
        ++end;
    bool digits = false;
    while (end < text.size() && (text[end].isDigit() || text[end] == u'.')) {
        digits = digits || text[end].isDigit();
        ++end;
    }
    *whole = digits && end == text.size();
    return digits ? text.sliced(i, end - i).toDouble() : 0.0;
}

QString quoted(QStringView value)
{
    return u'"' + value.toString() + u'"';
}

void readColour(CrosshairReading &r, QStringView value)
{
    int parts[3] = {r.settings.colour.red, r.settings.colour.green, r.settings.colour.blue};
    qsizetype at = 0;
    int read = 0;
    bool outside = false;
    for (; read < 3; ++read) {
        const std::optional<int> part = readInteger(value, at);
        if (!part)
            break;
        outside = outside || *part < 0 || *part > 255;
        parts[read] = std::clamp(*part, 0, 255);
    }
    r.settings.colour = {parts[0], parts[1], parts[2]};
    r.set[Colour] = r.set[Colour] || read > 0;
    if (read < 3)
        r.problems << QStringLiteral("cl_crosshair_color %1 has %2 of the three numbers red, "
                                     "green and blue: the game keeps the earlier value of the rest")
                          .arg(quoted(value))
                          .arg(read);
    if (outside)
        r.problems << QStringLiteral("cl_crosshair_color %1 has a number outside 0 to 255: the "
                                     "game holds it at the nearest end")
                          .arg(quoted(value));
}

void readSize(CrosshairReading &r, QStringView value)
{
    for (int s = 0; s < 4; ++s) {
        if (value.compare(QLatin1StringView(kSizeNames[s]), Qt::CaseInsensitive) == 0) {
            r.settings.size = CrosshairSize(s);
            r.set[Size] = true;
            return;
        }
    }
    qsizetype at = 0;
    const int number = readInteger(value, at).value_or(0);
    if (number > 3 || number == -1 || (number == 0 && value != u"0")) {
        r.problems << QStringLiteral("cl_crosshair_size %1 is none of auto, small, medium and "
                                     "large: the game prints its usage and keeps the size it had")
                          .arg(quoted(value));
        return;
    }
    // The client's switch sends every other negative number to the large crosshair.
    r.settings.size = number < 0 ? CrosshairSize::Large : CrosshairSize(number);
    r.set[Size] = true;
    if (number < 0)
        r.problems << QStringLiteral("cl_crosshair_size %1 draws the large crosshair").arg(value);
}

void readSwitch(CrosshairReading &r, Setting setting, QStringView value)
{
    bool whole = false;
    const double number = variableNumber(value, &whole);
    // The translucency's other numbers are set back to 1, so both switches are on but at 0.
    (setting == Translucent ? r.settings.translucent : r.settings.dynamic) = number != 0;
    r.set[setting] = true;
    const QString name = QLatin1StringView(kNames[setting]);
    if (!whole)
        r.problems << QStringLiteral("%1 %2 is not a plain number: the game reads it as %3")
                          .arg(name, quoted(value), QString::number(number));
    else if (number != 0 && number != 1)
        r.problems << (setting == Translucent
                           ? QStringLiteral("%1 %2 is neither 0 nor 1: the game prints its usage "
                                            "and sets it to 1")
                           : QStringLiteral("%1 %2 is neither 0 nor 1: the game takes every "
                                            "number but 0 as 1"))
                          .arg(name, value);
}

/// Applies one command's words; false when it is none of the four settings.
bool readCommand(CrosshairReading &r, const QStringList &words)
{
    const std::optional<Setting> setting = settingNamed(words.first());
    if (!setting)
        return false;
    // The name alone makes the console print the value; it changes nothing.
    if (words.size() < 2)
        return true;
    const QStringView value = words.at(1);
    if (words.size() > 2)
        r.problems << QStringLiteral("%1 takes only its first word, %2: the value needs double "
                                     "quotes around it")
                          .arg(QLatin1StringView(kNames[*setting]), quoted(value));
    switch (*setting) {
    case Colour:
        readColour(r, value);
        break;
    case Size:
        readSize(r, value);
        break;
    case Translucent:
    case Dynamic:
        readSwitch(r, *setting, value);
        break;
    case SettingCount:
        break;
    }
    return true;
}

QString colourValue(CrosshairColour c)
{
    return QStringLiteral("%1 %2 %3").arg(c.red).arg(c.green).arg(c.blue);
}

/// The value of each setting as the lines and the assignments write it.
std::array<QString, SettingCount> values(const CrosshairSettings &s)
{
    return {colourValue(s.colour), crosshairSizeName(s.size), QString::number(int(s.translucent)),
            QString::number(int(s.dynamic))};
}

} // namespace

std::span<const CrosshairPreset> crosshairPresets()
{
    return kPresets;
}

QString crosshairSizeName(CrosshairSize size)
{
    return QLatin1StringView(kSizeNames[int(size)]);
}

QString crosshairLines(const CrosshairSettings &settings)
{
    const auto value = values(settings);
    QString lines;
    for (int s = 0; s < SettingCount; ++s)
        lines += QLatin1StringView(kNames[s]) + u" \"" + value[s] + u"\"\r\n";
    return lines;
}

CrosshairReading readCrosshair(QStringView text)
{
    CrosshairReading reading;
    for (const ConsoleCommand &command : readConsoleScript(text).commands)
        readCommand(reading, command.words);
    return reading;
}

QString crosshairValueWarning(QStringView command, QStringView value, qsizetype arguments)
{
    CrosshairReading reading;
    QStringList words{command.toString()};
    if (arguments > 0)
        words << value.toString();
    for (qsizetype i = 1; i < arguments; ++i)
        words << QString();
    readCommand(reading, words);
    return reading.problems.join(u"; ");
}

QString replaceCrosshairLines(QStringView text, const CrosshairSettings &settings)
{
    const ConsoleScript script = readConsoleScript(text);
    QString lines = crosshairLines(settings);
    lines.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    lines.chop(1);

    QStringList out;
    bool placed = false;
    bool endsWithLines = false;
    qsizetype next = 0; // the first command of the line at hand
    for (int line = 0; line < script.lines.size(); ++line) {
        QStringList kept;
        bool crosshair = false;
        for (; next < script.commands.size() && script.commands[next].line == line; ++next) {
            const ConsoleCommand &command = script.commands[next];
            if (settingNamed(command.words.first()))
                crosshair = true;
            else
                kept << command.source;
        }
        endsWithLines = crosshair && !placed;
        if (!crosshair)
            out << script.lines[line].toString();
        else if (!kept.isEmpty())
            out << kept.join(u"; ");
        if (crosshair && !placed)
            out << lines;
        placed = placed || crosshair;
    }
    if (!placed)
        out << lines;
    // The box's last line may have no line feed; it stays so unless the four lines end the text.
    const bool lineFeed = text.endsWith(u'\n') || !placed || endsWithLines;
    return out.join(u'\n') + (lineFeed ? QStringLiteral("\n") : QString());
}

QStringList crosshairAssignments(const CrosshairReading &reading)
{
    const auto value = values(reading.settings);
    QStringList assignments;
    for (int s = 0; s < SettingCount; ++s) {
        if (reading.set[s])
            assignments << QLatin1StringView(kNames[s]) + u'=' + value[s];
    }
    return assignments;
}

bool CrosshairArguments::names(QStringView argument)
{
    const qsizetype equals = argument.indexOf(u'=');
    return equals > 0 && settingNamed(argument.left(equals)).has_value();
}

QString CrosshairArguments::take(QStringView argument)
{
    const qsizetype equals = argument.indexOf(u'=');
    const QStringView value = argument.mid(equals + 1);
    const Setting setting = *settingNamed(argument.left(equals));
    // Only the values the game takes as written: the command line is no place for a guess.
    CrosshairReading reading = m_reading;
    reading.problems.clear();
    readCommand(reading, {QLatin1StringView(kNames[setting]), value.toString()});
    const bool plain = setting != Size || (!value.isEmpty() && !value.front().isDigit());
    if (!reading.problems.isEmpty() || !reading.set[setting] || !plain) {
        static const char *const kTakes[SettingCount] = {
            "three whole numbers from 0 to 255, red green blue: 255 0 0",
            "auto, small, medium or large",
            "0 (drawn solid) or 1 (added to the picture)",
            "0 (still) or 1 (moving apart as the player runs or jumps)",
        };
        return QStringLiteral("%1 takes %2")
            .arg(QLatin1StringView(kNames[setting]), QLatin1StringView(kTakes[setting]));
    }
    m_reading = reading;
    return {};
}

QString CrosshairArguments::lines() const
{
    return m_reading.any() ? crosshairLines(m_reading.settings) : QString();
}

} // namespace velmora
