#include "gamefiles/scriptcheck.h"

#include "config/crosshair.h"
#include "config/gamecommands.h"
#include "gamefiles/consolescript.h"
#include "gamefiles/textcodec.h"

#include <QHash>
#include <QSet>
#include <QStringTokenizer>

#include <algorithm>

namespace velmora {

namespace {

constexpr qsizetype kCommandLimit = 1023; // bytes of one command the console keeps
constexpr qsizetype kShownBytes = 60;     // of a command quoted in a message
constexpr int kNestingLimit = 8;          // binds within aliases within binds... looked into

/// Where the command that starts at `at` ends: the next line feed, or `;` outside double quotes
/// (a quote always opens or closes; there is no escape), or the end of the script.
qsizetype commandEnd(QByteArrayView script, qsizetype at)
{
    bool quoted = false;
    for (; at < script.size(); ++at) {
        const char c = script[at];
        if (c == '"')
            quoted = !quoted;
        else if ((c == ';' && !quoted) || c == '\n')
            break;
    }
    return at;
}

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

/// The commands servers used to plant into binds and aliases, the console way: each piece of
/// `text` between command ends, bound text of nested binds and aliases included.
QByteArray plantedIn(QByteArrayView text, int depth = 0)
{
    struct Command
    {
        QByteArrayView text;
        QList<QByteArrayView> words;
    };
    QList<Command> commands;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype end = commandEnd(text, at);
        const QByteArrayView command = text.sliced(at, end - at);
        if (QList<QByteArrayView> words = consoleWords(command); !words.isEmpty())
            commands.append({command.trimmed(), words});
        at = end + 1;
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
            if (QByteArray inner = plantedIn(boundCommands(words), depth + 1); !inner.isEmpty())
                return inner;
            continue;
        }
        if (name == "connect" || name == "retry" || name == "rcon" || name == "exec" ||
            name == "writecfg" || name == "motdfile")
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
    void command(QByteArrayView text, int line);
    QList<Finding> finish();
    void add(int line, Severity severity, const QString &message)
    {
        m_findings.append({line, severity, message});
    }

private:
    void checkValue(const GameCommand &row, const QByteArray &name, QByteArrayView value, int line);

    struct Deferred
    {
        Finding finding;
        QByteArray unless;
    };
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

    if (isBindOrAlias(name)) {
        if (name == "alias" && words.size() > 1)
            m_aliases.insert(lowered(words[1]));
        if (const QByteArray planted = plantedIn(boundCommands(words)); !planted.isEmpty())
            add(line, Severity::Warning,
                QStringLiteral("%1 runs \"%2\", as the binds servers used to plant do")
                    .arg(QString::fromLatin1(name), decodeLossless(planted)));
    }
    if (name == "quit" || name == "exit")
        add(line, Severity::Warning,
            QStringLiteral("%1 ends the game as soon as this file runs").arg(shownName));
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
            QStringLiteral("%1 does nothing in the current game build").arg(shownName));
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
    if (row.unless && number > row.max) {
        m_deferred.append(
            {{line, Severity::Warning,
              QStringLiteral("%1 %2 is above %3, which the game ignores unless %4 "
                             "is 1")
                  .arg(shownName, shownValue, boundText(row.max), QLatin1StringView(row.unless))},
             QByteArray(row.unless)});
        return;
    }
    if (number < row.min || (!row.unless && number > row.max))
        add(line, Severity::Warning,
            QStringLiteral("%1 %2 is outside the range the game accepts, %3 to %4")
                .arg(shownName, shownValue, boundText(row.min), boundText(row.max)));
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

QList<Finding> checkScript(QByteArrayView script)
{
    ScriptChecker checker;
    int line = 1;
    int lastCutLine = 0;
    qsizetype readable = script.size();
    if (const qsizetype nul = script.indexOf('\0'); nul >= 0)
        readable = nul;
    qsizetype at = 0;
    while (at < readable) {
        // No further than one byte past what the console keeps: a long line costs one pass.
        qsizetype end = commandEnd(script.first(qMin(readable, at + kCommandLimit + 1)), at);
        if (end - at > kCommandLimit) {
            if (lastCutLine != line)
                checker.add(line, Severity::Error,
                            QStringLiteral("command over %1 bytes: the console cuts it there, "
                                           "drops the next byte and runs the rest as a new "
                                           "command")
                                .arg(kCommandLimit));
            lastCutLine = line;
            end = at + kCommandLimit; // the byte at the cut is lost
        }
        checker.command(script.sliced(at, end - at), line);
        if (end < readable && script[end] == '\n')
            ++line;
        at = end + 1;
    }
    if (readable < script.size())
        checker.add(line, Severity::Error,
                    QStringLiteral("NUL byte: the game stops reading the file here"));
    return checker.finish();
}

QByteArray plantedCommand(QByteArrayView line)
{
    return plantedIn(line);
}

QList<QStringView> plantedLines(QStringView text)
{
    // Every planted command names one of these, so the other lines, nearly all of a config.cfg,
    // are passed over without being encoded and read.
    static const QLatin1StringView kWords[] = {
        QLatin1StringView("connect"),
        QLatin1StringView("retry"),
        QLatin1StringView("rcon"),
        QLatin1StringView("exec"),
        QLatin1StringView("writecfg"),
        QLatin1StringView("motdfile"),
        QLatin1StringView("cl_filterstuffcmd"),
        QLatin1StringView("unbindall"),
    };
    QList<QStringView> lines;
    for (const QStringView line : QStringTokenizer(text, u'\n')) {
        const bool mayBePlanted = std::any_of(std::begin(kWords), std::end(kWords), [&](auto w) {
            return line.contains(w, Qt::CaseInsensitive);
        });
        if (mayBePlanted && !plantedCommand(encodeLossless(line)).isEmpty())
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
