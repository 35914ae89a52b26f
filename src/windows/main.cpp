// Velmora's entry point. `--print-config`, `--read-config`, `--check`, `--help`, `--version` and
// refused arguments are handled here without a display: they never create a QApplication.
// Everything else starts the windows.

#include "appinfo.h"
#include "base/textcodec.h"
#include "config/assignments.h"
#include "config/configreader.h"
#include "config/consolevalue.h"
#include "config/generator.h"
#include "console/crosshair.h"
#include "console/scriptcheck.h"
#include "gamefiles/configfiles.h"
#include "gamefiles/regularfile.h"
#include "gamefiles/scriptfile.h"
#include "ui/language.h"
#include "windows/program.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr const char *kUsage =
    "Usage:\n"
    "  velmora                       start the program (folder chooser, then the main window)\n"
    "  velmora --print-config [NAME=VALUE]...\n"
    "                                write to standard output the lines that one \"Показать\" run\n"
    "                                appends to an empty box, every control at its start-up value\n"
    "                                except those named (Combo1, Text1..Text11, Slider1..Slider5,\n"
    "                                Check1..Check43 as 0, 1 or 2, pod); the crosshair's\n"
    "                                cl_crosshair_color=\"R G B\", cl_crosshair_size=auto|small|\n"
    "                                medium|large, cl_crosshair_translucent=0|1 and\n"
    "                                cl_dynamiccrosshair=0|1 add their four lines at the end\n"
    "  velmora --check FILE          read FILE as the game's console does and print one line per\n"
    "                                finding, FILE:LINE: error|warning|note: message; the exit\n"
    "                                status is 1 when there is an error or a warning, else 0\n"
    "  velmora --read-config FILE    write to standard output, one a line, the NAME=VALUE\n"
    "                                arguments of --print-config that set the controls to what\n"
    "                                FILE says (those that differ from the start-up values), so\n"
    "                                that  mapfile -t a < <(velmora --read-config FILE)\n"
    "                                velmora --print-config \"${a[@]}\"  writes FILE's settings "
    "again\n"
    "  velmora --help                show this help\n"
    "  velmora --version             show the version\n"
    "Exit status: 0 done (for --check: no error or warning found); 1 --check found an error or\n"
    "a warning, or standard output could not be written; 2 the command line was wrong, or FILE\n"
    "could not be read (missing, unreadable, not a regular file, or over 64 MiB: one line on\n"
    "standard error says why, naming FILE).\n"
    "Qt's own options (-platform, -display, -session, -reverse...) are accepted.\n";

/// The options every Qt program reads and removes itself. Velmora lets them through to Qt, so a
/// session manager restarting it with `-session` or a user asking for `-platform offscreen` is not
/// refused. Qt accepts them with one dash or two. `-style` is left out: the windows are laid out
/// for the Fusion style, which the program sets whatever the command line says.
QList<QCommandLineOption> qtOptions()
{
    QList<QCommandLineOption> options;
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "display", "geometry", "stylesheet"})
        options.append(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        options.append(QCommandLineOption(QString::fromLatin1(name)));
    return options;
}

/// An argument as the command line gave it, byte for byte.
QByteArray bytesOf(const QString &argument)
{
    return velmora::encodeLossless(argument);
}

int refuse(const char *why, const QString &argument)
{
    std::fprintf(stderr, "velmora: %s '%s' (velmora --help shows the usage)\n", why,
                 bytesOf(argument).constData());
    return 2;
}

/// Standard output's status: 0 when every byte left, else 1, said on standard error with the
/// system's reason (a closed standard output, a full disk), so whoever reads the output hears why
/// it is not there.
int writeOut(std::string_view text)
{
    const bool written =
        std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    if (!written) {
        std::fprintf(stderr, "velmora: write error: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

/// `--print-config` with its assignments.
int printConfig(const QStringList &arguments)
{
    velmora::OptionSnapshot options;
    velmora::CrosshairArguments crosshair;
    for (const QString &argument : arguments) {
        const QString why = crosshair.names(argument) ? crosshair.take(argument)
                                                      : velmora::applyAssignment(options, argument);
        if (!why.isEmpty()) {
            std::fprintf(stderr, "velmora: %s: %s\n", bytesOf(argument).constData(),
                         why.toUtf8().constData());
            return 2;
        }
    }
    // The window refuses these as they are typed; here the whole command line is refused.
    if (const QString why = velmora::unsafeValue(options); !why.isEmpty()) {
        std::fprintf(stderr, "velmora: %s\n", why.toUtf8().constData());
        return 2;
    }
    const QByteArray bytes =
        velmora::encodeLossless(QString(velmora::generateText(options) + crosshair.lines()));
    return writeOut(std::string_view(bytes.constData(), size_t(bytes.size())));
}

/// The program's texts in English for a command that reads a file, so that a file it cannot read
/// is named in the words of the error boxes, translated.
class CommandLineTexts
{
public:
    CommandLineTexts()
        : m_app(m_argc, m_argv)
    {
        velmora::ui::installLanguage(m_app, velmora::ui::Language::English, {});
    }

private:
    int m_argc = 1;
    char m_name[8] = "velmora";
    char *m_argv[2] = {m_name, nullptr};
    QCoreApplication m_app;
};

/// Says on standard error, in one line naming the file once, why a file named on the command line
/// could not be read, and returns the status every command gives for it.
int unreadable(const QString &error)
{
    std::fprintf(stderr, "velmora: %s\n", error.toUtf8().constData());
    return 2;
}

/// `--check FILE`: the findings on standard output.
int checkFile(const QString &name)
{
    const CommandLineTexts english;
    // The bytes as the game would meet them: a byte-order mark or a NUL is the checker's to see.
    const velmora::FileBytes file =
        velmora::readRegularFile(QFile::decodeName(bytesOf(name)), velmora::kScriptMaxBytes);
    if (!file.error.isEmpty())
        return unreadable(file.error);
    QByteArray out;
    bool serious = false;
    // The file's folder tells a bind's `exec` of the player's own script from a planted one.
    const QString folder = QFileInfo(QFile::decodeName(bytesOf(name))).absolutePath();
    for (const velmora::Finding &finding : velmora::checkScript(file.bytes, folder)) {
        out += velmora::encodeLossless(velmora::findingText(name, finding)) + '\n';
        serious = serious || finding.severity != velmora::Severity::Note;
    }
    if (const int status = writeOut(std::string_view(out.constData(), size_t(out.size()))))
        return status;
    return serious ? 1 : 0;
}

/// `--read-config FILE`: the assignments that give the controls what FILE says, one a line.
int readConfigFile(const QString &path)
{
    const CommandLineTexts english;
    // Read as Open reads it: what follows a NUL byte never runs, so it sets nothing.
    const velmora::ConfigFileText file = velmora::readConfigFile(QFile::decodeName(bytesOf(path)));
    if (!file.error.isEmpty())
        return unreadable(file.error);
    const velmora::OptionSnapshot options =
        velmora::readConfigOptions(file.bytes, velmora::ReadRules::CommandLine);
    const velmora::CrosshairReading crosshair =
        velmora::readCrosshair(velmora::decodeLossless(file.bytes));
    QString lines;
    for (const QString &argument :
         velmora::assignmentsFor(options) + velmora::crosshairAssignments(crosshair))
        lines += argument + u'\n';
    const QByteArray out = velmora::encodeLossless(lines);
    return writeOut(std::string_view(out.constData(), size_t(out.size())));
}

/// Says that a command takes one FILE, when it was given none or more.
int oneFileOnly(const char *command)
{
    std::fprintf(stderr, "velmora: %s takes one FILE (velmora --help shows the usage)\n", command);
    return 2;
}

enum class Command { Start, PrintConfig, Check, ReadConfig, Help, Version };

struct CommandName
{
    Command command;
    QStringList names;
};

const CommandName kCommands[] = {
    {Command::PrintConfig, {QStringLiteral("print-config")}},
    {Command::Check, {QStringLiteral("check")}},
    {Command::ReadConfig, {QStringLiteral("read-config")}},
    {Command::Help, {QStringLiteral("h"), QStringLiteral("help")}},
    {Command::Version, {QStringLiteral("version")}},
};

/// What the command line asks for: a command and the arguments after it, which are its own
/// whatever they look like, or the windows. Qt's options may stand before either.
struct CommandLine
{
    Command command = Command::Start;
    QStringList arguments;
    int status = 0; ///< 2 when the command line was refused (said on standard error)
};

/// Reads the arguments one more at a time until the parser meets a command, so the command's own
/// arguments never reach the parser; whatever else it meets on the way is refused.
CommandLine readCommandLine(const QStringList &words)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(qtOptions());
    for (const CommandName &command : kCommands)
        parser.addOption(QCommandLineOption(command.names));
    bool valueMissing = false;
    for (qsizetype last = 1; last < words.size(); ++last) {
        // Each prefix before this one was read without a fault, so a fault now is this word's.
        const QString &word = words[last];
        if (!parser.parse(words.first(last + 1))) {
            valueMissing = parser.unknownOptionNames().isEmpty() && !word.contains(u'=');
            if (valueMissing) // its value may follow
                continue;
            return {Command::Start, {}, refuse("unknown option", word)};
        }
        valueMissing = false;
        // The parser takes "--" for the end of the options and "-" for an argument: to Velmora
        // both are options it does not know.
        if (word == u"--" || (word == u"-" && !parser.positionalArguments().isEmpty()))
            return {Command::Start, {}, refuse("unknown option", word)};
        if (!parser.positionalArguments().isEmpty())
            return {Command::Start, {}, refuse("unexpected argument", word)};
        for (const CommandName &command : kCommands) {
            if (parser.isSet(command.names.first()))
                return {command.command, words.sliced(last + 1)};
        }
    }
    if (valueMissing)
        return {Command::Start, {}, refuse("missing value for option", words.last())};
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words.append(velmora::decodeLossless(QByteArrayView(argv[i])));
    const CommandLine line = readCommandLine(words);
    if (line.status != 0)
        return line.status;
    switch (line.command) {
    case Command::PrintConfig:
        return printConfig(line.arguments);
    case Command::Check:
        return line.arguments.size() == 1 ? checkFile(line.arguments.first())
                                          : oneFileOnly("--check");
    case Command::ReadConfig:
        return line.arguments.size() == 1 ? readConfigFile(line.arguments.first())
                                          : oneFileOnly("--read-config");
    case Command::Help:
        return writeOut(kUsage);
    case Command::Version:
        return writeOut("velmora " VELMORA_VERSION "\n");
    case Command::Start:
        break;
    }
    return velmora::startProgram(argc, argv);
}
