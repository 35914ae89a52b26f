#include "console/scriptcheck.h"

#include "base/textcodec.h"
#include "console/consolelexer.h"
#include "console/consolescript.h"
#include "console/crosshair.h"
#include "console/gamecommands.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <functional>

namespace velmora {

namespace {

constexpr qsizetype kShownBytes = 60; // of a command quoted in a message
constexpr int kNestingLimit = 8;      // binds within aliases within binds... looked into

/// A double quote opened before any `//` and never closed: the value runs to the line's end.
bool hasUnclosedQuote(QByteArrayView command)
{
    bool quoted = false;
    for (qsizetype i = 0; i < command.size(); ++i) {
        if (command[i] == '"')
            quoted = !quoted;
        else if (!quoted && command[i] == '/' && i + 1 < command.size() && command[i + 1] == '/')
            return false;
    }
    return quoted;
}

QByteArray lowered(QByteArrayView word)
{
    return word.toByteArray().toLower();
}

/// What bind and alias run: every word after the key or the name, joined by blanks, as the game
/// joins them when the text was not quoted as one word.
QByteArray boundCommands(const QList<QByteArrayView> &words)
{
    QByteArray text;
    for (qsizetype i = 2; i < words.size(); ++i) {
        if (i > 2)
            text += ' ';
        text += words[i];
    }
    return text;
}

bool isBindOrAlias(const QByteArray &name)
{
    return name == "bind" || name == "alias";
}

/// The commands servers used to plant into binds and aliases: the first kPlantedAlways whatever
/// follows them, the others only as `cl_filterstuffcmd 0` and as an `unbindall` no bind follows.
/// kPasswordCommand holds "rcon", so a search for these names finds it too.
const QByteArrayView kPlantedNames[] = {
    "connect", "retry", "rcon", "exec", "writecfg", "motdfile", "cl_filterstuffcmd", "unbindall"};
constexpr qsizetype kPlantedAlways = 6;
/// A bind or alias that handles a server's remote-control password is reported whatever it does.
constexpr QByteArrayView kPasswordCommand = "rcon_password";

/// Whether a name given to `exec` is a file of the player's own; empty when that is not known.
using OwnScriptTest = std::function<bool(QByteArrayView name)>;

/// The commands servers used to plant into binds and aliases, the console way: each piece of
/// `text` between command ends, bound text of nested binds and aliases included. An `exec` of a
/// file `ownScript` says is the player's own is an ordinary bind ("exec buy.cfg").
QByteArray plantedIn(QByteArrayView text, const OwnScriptTest &ownScript, int depth = 0)
{
    struct Command
    {
        QByteArrayView text;
        QList<QByteArrayView> words;
    };
    QList<Command> commands;
    ConsoleLexer lexer(text);
    for (ScriptCommand command; lexer.next(&command);) {
        if (QList<QByteArrayView> words = consoleWords(command.text); !words.isEmpty())
            commands.append({command.text.trimmed(), words});
    }
    for (qsizetype i = 0; i < commands.size(); ++i) {
        const QList<QByteArrayView> &words = commands[i].words;
        const QByteArray name = lowered(words[0]);
        const auto shown = [&] {
            return commands[i].text.first(qMin(commands[i].text.size(), kShownBytes)).toByteArray();
        };
        if (isBindOrAlias(name)) {
            if (depth >= kNestingLimit)
                continue;
            if (QByteArray inner = plantedIn(boundCommands(words), ownScript, depth + 1);
                !inner.isEmpty())
                return inner;
            continue;
        }
        if (name == "exec" && ownScript && words.size() == 2 && ownScript(words[1]))
            continue;
        if (name == kPasswordCommand)
            return shown();
        if (const auto always = std::begin(kPlantedNames) + kPlantedAlways;
            std::find(std::begin(kPlantedNames), always, name) != always)
            return shown();
        if (name == "cl_filterstuffcmd" && words.size() > 1 && words[1].trimmed() == "0")
            return shown();
        if (name == "unbindall") {
            const bool bindsFollow =
                std::any_of(commands.cbegin() + i + 1, commands.cend(),
                            [](const Command &later) { return lowered(later.words[0]) == "bind"; });
            if (!bindsFollow)
                return shown();
        }
    }
    return {};
}

/// Checks one command after another, keeping what later commands need: the aliases the file
/// defines and the values it sets.
class ScriptChecker
{
public:
    explicit ScriptChecker(OwnScriptTest ownScript)
        : m_ownScript(std::move(ownScript))
    {
    }

    void command(QByteArrayView text, int line);
    QList<Finding> finish();
    void add(int line, Severity severity, const QString &message)
    {
        m_findings.append({line, severity, message});
    }

private:
    void checkRun(const QList<QByteArrayView> &words, const QByteArray &name, int line);
    void checkValue(const GameCommand &row, const QByteArray &name, QByteArrayView value, int line);

    struct Deferred
    {
        Finding finding;
        QByteArray unless;
    };
    OwnScriptTest m_ownScript;
    QList<Finding> m_findings;
    QList<Deferred> m_deferred; ///< limits that another command, set anywhere, lifts
    QSet<QByteArray> m_aliases;
    QHash<QByteArray, bool> m_nonZero; ///< the last value each command was given, not 0
};

void ScriptChecker::command(QByteArrayView text, int line)
{
    if (hasUnclosedQuote(text))
        add(line, Severity::Warning,
            QStringLiteral("unclosed double quote: the rest of the line, any ';' included, is "
                           "read as one value"));
    const QList<QByteArrayView> words = consoleWords(text);
    if (words.isEmpty())
        return;
    const QByteArray name = lowered(words[0]);
    const QString shownName = decodeLossless(words[0].first(qMin(words[0].size(), kShownBytes)));
    checkRun(words, name, line);
    if (words.size() > 1) {
        bool isNumber = false;
        const double value = words[1].trimmed().toDouble(&isNumber);
        m_nonZero.insert(name, isNumber && value != 0);
    }

    const QString value = words.size() > 1 ? decodeLossless(words[1]) : QString();
    if (QString why = crosshairValueWarning(decodeLossless(words[0]), value, words.size() - 1);
        !why.isEmpty())
        add(line, Severity::Warning, why);
    const GameCommand *row = findGameCommand(words[0]);
    QString rowName = shownName;
    // A setinfo key the table knows by name ("setinfo lefthand") has a row of its own.
    if (name == "setinfo" && words.size() > 1) {
        const QByteArray keyed = name + ' ' + lowered(words[1]);
        if (const GameCommand *keyRow = findGameCommand(keyed); keyRow && keyed == keyRow->name) {
            row = keyRow;
            rowName = QString::fromLatin1(keyed);
        }
    }
    if (!row) {
        if (!m_aliases.contains(name))
            add(line, Severity::Note,
                QStringLiteral("unknown command \"%1\": not in Velmora's table of the game's "
                               "commands")
                    .arg(shownName));
        return;
    }
    switch (row->status) {
    case GameStatus::Ignored:
        add(line, Severity::Note,
            QStringLiteral("%1 does nothing in the current game build").arg(rowName));
        break;
    case GameStatus::Toggle:
        add(line, Severity::Note,
            QStringLiteral("%1 is a toggle, not a variable: each run flips it, and the game does "
                           "not keep it between runs")
                .arg(shownName));
        break;
    case GameStatus::HostOnly:
        add(line, Severity::Note,
            QStringLiteral("%1 acts only on a server you host, not on one you join")
                .arg(shownName));
        break;
    case GameStatus::Clamped:
    case GameStatus::Works:
    case GameStatus::NotSaved:
        break;
    }
    if (row->max > row->min && words.size() > 1)
        checkValue(*row, name, words[1], line);
}

/// What a command does the moment the file runs, and what a bind or alias sets up to run later.
void ScriptChecker::checkRun(const QList<QByteArrayView> &words, const QByteArray &name, int line)
{
    const QString shownName = decodeLossless(words[0].first(qMin(words[0].size(), kShownBytes)));
    if (isBindOrAlias(name)) {
        if (name == "alias" && words.size() > 1)
            m_aliases.insert(lowered(words[1]));
        const QByteArray planted = plantedIn(boundCommands(words), m_ownScript);
        if (planted.isEmpty())
            return;
        const QList<QByteArrayView> plantedWords = consoleWords(planted);
        const QString what = QString::fromLatin1(name), shown = decodeLossless(planted);
        if (plantedWords.isEmpty() || lowered(plantedWords[0]) != kPasswordCommand)
            add(line, Severity::Warning,
                QStringLiteral("%1 runs \"%2\", as the binds servers used to plant do")
                    .arg(what, shown));
        else if (plantedWords.size() > 1)
            add(line, Severity::Warning,
                QStringLiteral("%1 runs \"%2\": it sets the server password the game sends with "
                               "every rcon command, written out for anyone who has this file")
                    .arg(what, shown));
        else
            add(line, Severity::Warning,
                QStringLiteral("%1 runs \"%2\": it shows the server password the game sends "
                               "with every rcon command in the console")
                    .arg(what, shown));
        return;
    }
    if (name == "quit" || name == "exit")
        add(line, Severity::Warning,
            QStringLiteral("%1 ends the game as soon as this file runs").arg(shownName));
    else if (name == "connect")
        add(line, Severity::Warning,
            QStringLiteral("%1 sends the game to a server as soon as this file runs")
                .arg(shownName));
    else if (name == "retry")
        add(line, Severity::Warning,
            QStringLiteral("%1 connects the game again to the last server it joined as soon as "
                           "this file runs")
                .arg(shownName));
}

void ScriptChecker::checkValue(const GameCommand &row, const QByteArray &name, QByteArrayView value,
                               int line)
{
    bool isNumber = false;
    const double number = value.trimmed().toDouble(&isNumber);
    if (!isNumber)
        return;
    const QString shownName = QString::fromLatin1(name);
    const QString shownValue =
        decodeLossless(value.trimmed().first(qMin(value.trimmed().size(), kShownBytes)));
    // A row whose upper limit another command lifts is the frame limit's: the engine holds it
    // there unless fps_override is 1, and raises it to its floor only in multiplayer.
    if (row.unless && number > row.max) {
        m_deferred.append(
            {{line, Severity::Warning,
              QStringLiteral("%1 %2 is above %3: the game holds it at %3 unless %4 is 1")
                  .arg(shownName, shownValue, boundText(row.max), QLatin1StringView(row.unless))},
             QByteArray(row.unless)});
        return;
    }
    if (row.unless && number < row.min) {
        add(line, Severity::Warning,
            QStringLiteral("%1 %2 is below %3: raised to %3 in multiplayer")
                .arg(shownName, shownValue, boundText(row.min)));
        return;
    }
    const bool low = number < row.min;
    if (low || number > row.max)
        add(line, Severity::Warning,
            QStringLiteral("%1 %2 is outside the range the game accepts, %3 to %4: %5 to %6")
                .arg(shownName, shownValue, boundText(row.min), boundText(row.max),
                     low ? QStringLiteral("raised") : QStringLiteral("clamped"),
                     boundText(low ? row.min : row.max)));
}

QList<Finding> ScriptChecker::finish()
{
    // The game applies such a limit every frame, so the other command counts wherever it stands.
    for (const Deferred &deferred : std::as_const(m_deferred)) {
        if (!m_nonZero.value(deferred.unless))
            m_findings.append(deferred.finding);
    }
    std::stable_sort(m_findings.begin(), m_findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    return m_findings;
}

} // namespace

QList<Finding> checkScript(QByteArrayView script, const QString &scriptFolder)
{
    OwnScriptTest ownScript;
    if (!scriptFolder.isEmpty())
        ownScript = [scriptFolder](QByteArrayView name) { return isOwnScript(scriptFolder, name); };
    ScriptChecker checker(std::move(ownScript));
    // The original engine hands the file to the console with its byte-order mark. Its tokenizer
    // reads bytes from 0x80 up as blanks, but a console that reads the file as UTF-8 takes the
    // mark into the first command's name (the rebuilt engine strips it for that reason), so the
    // game may not recognise that command. The rest of the file is read as usual.
    if (script.startsWith("\xEF\xBB\xBF")) {
        checker.add(1, Severity::Warning,
                    QStringLiteral("the file starts with a UTF-8 byte-order mark: the game may "
                                   "read it as part of the first command and then not "
                                   "recognise that command"));
        script = script.sliced(3);
    }
    ConsoleLexer lexer(script);
    int lastCutLine = 0;
    for (ScriptCommand command; lexer.next(&command);) {
        if (command.cutLoses && lastCutLine != command.line) {
            checker.add(command.line, Severity::Error,
                        QStringLiteral("command over %1 bytes: the console cuts it there, drops "
                                       "the next byte and runs the rest as a new command")
                            .arg(kConsoleCommandLimit));
            lastCutLine = command.line;
        }
        checker.command(command.text, command.line);
    }
    if (lexer.endsAtNul())
        checker.add(lexer.line(), Severity::Error,
                    QStringLiteral("NUL byte: the game stops reading the file here"));
    return checker.finish();
}

QByteArray plantedCommand(QByteArrayView line)
{
    return plantedIn(line, {});
}

QList<QStringView> plantedLines(QStringView text)
{
    // Every planted command names one of kPlantedNames, so only the lines that hold one are
    // encoded and read; the others, nearly all of a config.cfg, are found by a search for each
    // name through the whole text, its ASCII letters lowered once.
    QString lowered(text.size(), Qt::Uninitialized);
    std::transform(text.begin(), text.end(), lowered.begin(), [](QChar c) {
        return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + (u'a' - u'A')) : c;
    });
    QList<qsizetype> starts; // of the lines that name one
    for (const QByteArrayView name : kPlantedNames) {
        const QLatin1StringView word(name);
        for (qsizetype at = lowered.indexOf(word); at >= 0;) {
            const qsizetype start = lowered.lastIndexOf(u'\n', at) + 1;
            qsizetype end = lowered.indexOf(u'\n', at);
            end = end < 0 ? lowered.size() : end;
            starts.append(start);
            at = lowered.indexOf(word, end);
        }
    }
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    QList<QStringView> lines;
    for (const qsizetype start : std::as_const(starts)) {
        qsizetype end = text.indexOf(u'\n', start);
        const QStringView line = text.sliced(start, (end < 0 ? text.size() : end) - start);
        if (!plantedCommand(encodeLossless(line)).isEmpty())
            lines.append(line);
    }
    return lines;
}

QString findingText(const QString &fileName, const Finding &finding)
{
    static const char *const kSeverities[] = {"error", "warning", "note"};
    return QStringLiteral("%1:%2: %3: %4")
        .arg(fileName)
        .arg(finding.line)
        .arg(QLatin1StringView(kSeverities[int(finding.severity)]), finding.message);
}

} // namespace velmora
