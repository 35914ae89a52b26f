// Whole velmora processes beside a bare Qt program, both timed from their start to the first
// paint of their main window by the preloaded start probe.

#include "figures.h"

#include "base/textcodec.h"
#include "gamefiles/bindimport.h"

#include <QFile>
#include <QProcess>

#include <ctime>
#include <utility>

namespace velmora::bench {

namespace {

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

/// Runs a program with the start probe preloaded; returns {ms from start to the first paint of
/// its main window, peak resident memory in MiB}, or {-1, -1}.
std::pair<double, double> probeRun(const QString &program, const QStringList &arguments,
                                   const QString &scratch)
{
    const QString out = scratch + QStringLiteral("/probe.txt");
    QFile::remove(out);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VELMORA_STARTPROBE));
    env.insert(QStringLiteral("VELMORA_PROBE_OUT"), out);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), scratch);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 start = monotonicNs();
    process.start(program, arguments);
    if (!process.waitForFinished(120'000)) {
        process.kill();
        process.waitForFinished();
        return {-1, -1};
    }
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly))
        return {-1, -1};
    qint64 shown = 0;
    double rssKb = -1;
    for (const QByteArray &field : file.readAll().trimmed().split(' ')) {
        if (field.startsWith("shown_ns="))
            shown = field.mid(9).toLongLong();
        else if (field.startsWith("peak_rss_kb="))
            rssKb = field.mid(12).toDouble();
    }
    return {double(shown - start) / 1e6, rssKb / 1024};
}

/// Measures velmora started on `install` beside the bare program showing `carried`; `pick`
/// chooses the time or the memory from each probe run.
void measureProcesses(Figure &f, const Bench &bench, const Install &install, const QString &carried,
                      const QString &carriedName, double (*pick)(const std::pair<double, double> &))
{
    const QString exe = install.program + QStringLiteral("/velmora");
    QFile::copy(QStringLiteral(VELMORA_EXE), exe);
    const QString text = bench.root + u'/' + carriedName;
    writeFile(text, encodeLossless(carried));
    measure(
        f, bench.runs, [&] { return pick(probeRun(exe, {}, bench.root)); },
        [&] { return pick(probeRun(QStringLiteral(VELMORA_BARE_EXE), {text}, bench.root)); });
}

} // namespace

Figure startFigure(const Bench &bench)
{
    Figure f{"start", "velmora process start to main window painted, config.cfg of 300 lines",
             "bare Qt program: QMainWindow holding a QPlainTextEdit", "ms", 1.5};
    const Install small(bench.root, QStringLiteral("start"), configCfg(300, kSeed));
    measureProcesses(f, bench, small, importBindsFromGame(small.game).plainText,
                     QStringLiteral("start-carried.txt"),
                     [](const std::pair<double, double> &run) { return run.first; });
    return f;
}

Figure memoryFigure(const Bench &bench)
{
    Figure f{"memory", "velmora peak RSS after the 200,000-line load (main window painted)",
             "bare Qt program holding the same text", "MiB", 1.3};
    measureProcesses(f, bench, bench.big, bench.carried, QStringLiteral("big-carried.txt"),
                     [](const std::pair<double, double> &run) { return run.second; });
    return f;
}

} // namespace velmora::bench
