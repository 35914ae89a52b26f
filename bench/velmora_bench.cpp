// velmora-bench: how fast Velmora's real code paths are next to the floor each could at best
// reach, both measured in the same run on inputs generated here with a fixed seed.
//
//   velmora-bench [--runs N] [--json FILE]
//                 [--only load,open,show,save,scan,longline,longcommand,start,memory,steam]
//
// Every figure is the median of N runs (5 unless told) after one warm-up run, beside the median of
// its floor and their ratio. A JSON copy of the figures goes to FILE (velmora-bench.json).

#include "figures.h"

#include "gamefiles/bindimport.h"

#include <QApplication>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

using namespace velmora;
using namespace velmora::bench;

namespace {

/// The figures in the order they are measured and reported.
constexpr struct
{
    const char *name;
    Figure (*run)(const Bench &);
} kFigures[] = {
    {"load", loadFigure},
    {"open", openFigure},
    {"show", showFigure},
    {"save", saveFigure},
    {"scan", scanFigure},
    {"longline", longlineFigure},
    {"longcommand", longCommandFigure},
    {"start", startFigure},
    {"memory", memoryFigure},
    {"steam", steamFigure},
};

struct Options
{
    int runs = 5;
    QString jsonPath = QStringLiteral("velmora-bench.json");
    QStringList only; ///< the figures to measure; all when empty
};

Options parseOptions(const QStringList &arguments)
{
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--runs") && i + 1 < arguments.size())
            options.runs = std::max(1, arguments[++i].toInt());
        else if (arguments[i] == QStringLiteral("--json") && i + 1 < arguments.size())
            options.jsonPath = arguments[++i];
        else if (arguments[i] == QStringLiteral("--only") && i + 1 < arguments.size())
            options.only = arguments[++i].split(u',');
    }
    return options;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options = parseOptions(QApplication::arguments());

    QTemporaryDir root;
    if (!root.isValid()) {
        std::fprintf(stderr, "velmora-bench: no temporary folder\n");
        return 1;
    }

    std::printf("velmora-bench: %d runs after a warm-up, medians; %d cores (%s)\n", options.runs,
                QThread::idealThreadCount(), qPrintable(QSysInfo::prettyProductName()));
    std::fflush(stdout);

    // The main window's box: 200,000 lines of config.cfg, half of them carried.
    Bench bench{options.runs, root.path(),
                Install(root.path(), QStringLiteral("big"), configCfg(200'000, kSeed)),
                Install(root.path(), QStringLiteral("empty"), QByteArray()), QString()};
    bench.carried = importBindsFromGame(bench.big.game).plainText;

    QList<Figure> figures;
    for (const auto &figure : kFigures) {
        if (options.only.isEmpty() || options.only.contains(QString::fromLatin1(figure.name)))
            figures.append(figure.run(bench));
    }
    return reportFigures(figures, options.runs, kSeed, options.jsonPath) ? 0 : 3;
}
