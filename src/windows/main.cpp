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
struct QtOption
{
    std::string_view name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"stylesheet", true},      {"reverse", false},
    {"widgetcount", false},    {"nograb", false},
    {"dograb", false},         {"sync", false},
};

/// How many arguments a Qt option at `argument` spans: 1, or 2 with its value; 0 when the argument
/// is no Qt option, -1 when its value is missing. `-style=fusion` carries its value along.
int qtOptionSpan(std::string_view argument, bool valueFollows)
{
    std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    const size_t equals = name.find('=');
    const bool valueAttached = equals != std::string_view::npos;
    if (valueAttached)
        name = name.substr(0, equals);
    for (const QtOption &option : kQtOptions) {
        if (option.name != name)
            continue;
        if (!option.takesValue)
            return valueAttached ? 0 : 1;
        if (valueAttached)
            return 1;
        return valueFollows ? 2 : -1;
    }
    return 0;
}

int refuse(const char *why, const char *argument)
{
    std::fprintf(stderr, "velmora: %s '%s' (velmora --help shows the usage)\n", why, argument);
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

/// `--print-config` with its assignments at argv[first]... argv[argc - 1].
int printConfig(int first, int argc, char **argv)
{
    velmora::OptionSnapshot options;
    velmora::CrosshairArguments crosshair;
    for (int i = first; i < argc; ++i) {
        const QString argument = velmora::decodeLossless(QByteArrayView(argv[i]));
        const QString why = crosshair.names(argument) ? crosshair.take(argument)
                                                      : velmora::applyAssignment(options, argument);
        if (!why.isEmpty()) {
            std::fprintf(stderr, "velmora: %s: %s\n", argv[i], why.toUtf8().constData());
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

/// `--check FILE` with FILE at argv[first]: the findings on standard output.
int checkFile(int first, int argc, char **argv)
{
    if (argc - first != 1) {
        std::fprintf(stderr, "velmora: --check takes one FILE (velmora --help shows the usage)\n");
        return 2;
    }
    const CommandLineTexts english;
    // The bytes as the game would meet them: a byte-order mark or a NUL is the checker's to see.
    const velmora::FileBytes file =
        velmora::readRegularFile(QFile::decodeName(argv[first]), velmora::kScriptMaxBytes);
    if (!file.error.isEmpty())
        return unreadable(file.error);
    const QString name = velmora::decodeLossless(QByteArrayView(argv[first]));
    QByteArray out;
    bool serious = false;
    // The file's folder tells a bind's `exec` of the player's own script from a planted one.
    const QString folder = QFileInfo(QFile::decodeName(argv[first])).absolutePath();
    for (const velmora::Finding &finding : velmora::checkScript(file.bytes, folder)) {
        out += velmora::encodeLossless(velmora::findingText(name, finding)) + '\n';
        serious = serious || finding.severity != velmora::Severity::Note;
    }
    if (const int status = writeOut(std::string_view(out.constData(), size_t(out.size()))))
        return status;
    return serious ? 1 : 0;
}

/// `--read-config FILE`: the assignments that give the controls what FILE says, one a line.
int readConfigFile(const char *path)
{
    const CommandLineTexts english;
    // Read as Open reads it: what follows a NUL byte never runs, so it sets nothing.
    const velmora::ConfigFileText file = velmora::readConfigFile(QFile::decodeName(path));
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

} // namespace

int main(int argc, char **argv)
{
    // The first argument that is not one of Qt's options decides; the windows start only when
    // every argument is one of Qt's.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--print-config")
            return printConfig(i + 1, argc, argv);
        if (argument == "--check")
            return checkFile(i + 1, argc, argv);
        if (argument == "--read-config") {
            if (argc != i + 2) {
                std::fprintf(stderr,
                             "velmora: --read-config takes one FILE (velmora --help shows the "
                             "usage)\n");
                return 2;
            }
            return readConfigFile(argv[i + 1]);
        }
        if (argument == "--help" || argument == "-h")
            return writeOut(kUsage);
        if (argument == "--version")
            return writeOut("velmora " VELMORA_VERSION "\n");
        if (!argument.starts_with('-'))
            return refuse("unexpected argument", argv[i]);
        const int span = qtOptionSpan(argument, i + 1 < argc);
        if (span < 0)
            return refuse("missing value for option", argv[i]);
        if (span == 0)
            return refuse("unknown option", argv[i]);
        i += span - 1;
    }
    return velmora::startProgram(argc, argv);
}
