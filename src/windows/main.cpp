// Velmora's entry point. `--print-config` and `--help` run without a display: they never create a
// QApplication. Everything else starts the windows.

#include "config/assignments.h"
#include "config/generator.h"
#include "gamefiles/textcodec.h"
#include "windows/program.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char *kUsage =
    "Usage:\n"
    "  velmora                       start the program (folder chooser, then the main window)\n"
    "  velmora --print-config [NAME=VALUE]...\n"
    "                                write to standard output the lines that one \"Показать\" run\n"
    "                                appends to an empty box, every control at its start-up value\n"
    "                                except those named (Combo1, Text1..Text11, Slider1..Slider5,\n"
    "                                Check1..Check43 as 0, 1 or 2, pod)\n"
    "  velmora --help                show this help\n";

int printConfig(int argc, char **argv)
{
    velmora::OptionSnapshot options;
    for (int i = 2; i < argc; ++i) {
        const QString argument = velmora::decodeLossless(QByteArrayView(argv[i]));
        const QString why = velmora::applyAssignment(options, argument);
        if (!why.isEmpty()) {
            std::fprintf(stderr, "velmora: %s: %s\n", argv[i], why.toUtf8().constData());
            return 2;
        }
    }
    const QByteArray bytes = velmora::encodeLossless(velmora::generateText(options));
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
        std::fflush(stdout) == 0;
    return written ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--print-config") == 0)
        return printConfig(argc, argv);
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    return velmora::startProgram(argc, argv);
}
