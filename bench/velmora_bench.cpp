// velmora-bench: how fast Velmora's real code paths are next to the floor each could at best
// reach, both measured in the same run on inputs generated here with a fixed seed.
//
//   velmora-bench [--runs N] [--json FILE] [--only load,show,save,scan,longline,start,memory,steam]
//
// Every figure is the median of N runs (5 unless told) after one warm-up run, beside the median of
// its floor and their ratio. A JSON copy of the figures goes to FILE (velmora-bench.json).

#include "steam_bench.h"

#include "gamefiles/autoexec.h"
#include "gamefiles/bindimport.h"
#include "gamefiles/pathfile.h"
#include "gamefiles/textcodec.h"
#include "ui/messagebox.h"
#include "windows/index_rus.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

using namespace velmora;
using velmora::ui::MessageBox;

namespace {

constexpr quint32 kSeed = 20240501;

struct Figure
{
    const char *name;
    const char *work;
    const char *floorWork;
    const char *unit;
    double goal;
    QList<double> runs;
    QList<double> floorRuns;
    QString note;
};

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

/// A config.cfg as a game leaves it, `lines` long, one line in two a bind or an alias.
QByteArray configCfg(qint64 lines, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray out;
    out.reserve(lines * 40);
    static const char *const keys[] = {"w", "a", "s", "d", "MOUSE1", "SPACE", "CTRL", ",", "F1"};
    for (qint64 i = 0; i < lines; ++i) {
        const quint32 r = random.generate();
        if (i % 2 == 0) {
            if (r & 1) {
                out += "bind \"";
                out += keys[(r >> 1) % 9];
                out += "\" \"say ";
                out += QByteArray::number(r >> 4, 36);
                out += ", +attack; wait; -attack\"\r\n";
            } else {
                out += "alias \"a" + QByteArray::number(i) + "\" \"cl_" +
                       QByteArray::number(r >> 8, 36) + " 1; echo \xd0\xbe\xd0\xba\"\r\n";
            }
        } else {
            out += "cl_setting" + QByteArray::number(i % 997) + " \"" +
                   QByteArray::number(r % 100000) + "\"\r\n";
        }
    }
    return out;
}

/// A program folder holding a copy of an executable and dir.vlm, and a game folder beside it.
struct Install
{
    QString program;
    QString game;

    Install(const QString &root, const QString &name, const QByteArray &config)
        : program(root + u'/' + name + QStringLiteral("/program"))
        , game(root + u'/' + name + QStringLiteral("/game"))
    {
        QDir().mkpath(program);
        QDir().mkpath(game + QStringLiteral("/cstrike"));
        const QString error = writePathFile(program, game);
        if (!error.isEmpty())
            std::fprintf(stderr, "velmora-bench: %s\n", qPrintable(error));
        writeFile(game + QStringLiteral("/cstrike/config.cfg"), config);
    }
    PathFileStore store() const { return PathFileStore(program); }
};

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

/// Runs a tool in the C locale; returns its time in ms and, when asked, its trimmed output.
double runTool(const QString &tool, const QStringList &args, QByteArray *out)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(tool, args);
    process.waitForFinished(-1);
    const double ms = msSince(timer);
    if (out)
        *out = process.readAllStandardOutput().trimmed();
    return ms;
}

void answerEveryBox()
{
    MessageBox::setResponder([](const MessageBox::Record &box) {
        return box.style == int(ui::MessageStyle::Question) ? ui::Answer::Yes : ui::Answer::Ok;
    });
}

void measure(Figure &figure, int runs, const std::function<double()> &work,
             const std::function<double()> &floorWork)
{
    work();
    floorWork();
    for (int i = 0; i < runs; ++i) {
        // Alternate, so a slow spell of the machine falls on both.
        figure.runs.append(work());
        figure.floorRuns.append(floorWork());
    }
}

QString number(double value)
{
    return QString::number(value, 'f', value < 10 ? 2 : 1);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    int runs = 5;
    QString jsonPath = QStringLiteral("velmora-bench.json");
    QStringList only;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--runs") && i + 1 < arguments.size())
            runs = std::max(1, arguments[++i].toInt());
        else if (arguments[i] == QStringLiteral("--json") && i + 1 < arguments.size())
            jsonPath = arguments[++i];
        else if (arguments[i] == QStringLiteral("--only") && i + 1 < arguments.size())
            only = arguments[++i].split(u',');
    }
    auto wanted = [&](const char *name) {
        return only.isEmpty() || only.contains(QString::fromLatin1(name));
    };

    QTemporaryDir root;
    if (!root.isValid()) {
        std::fprintf(stderr, "velmora-bench: no temporary folder\n");
        return 1;
    }
    answerEveryBox();
    QList<Figure> figures;

    std::printf("velmora-bench: %d runs after a warm-up, medians; %d cores (%s)\n", runs,
                QThread::idealThreadCount(), qPrintable(QSysInfo::prettyProductName()));
    std::fflush(stdout);

    // The main window's box: 200,000 lines of config.cfg, half of them carried.
    const Install big(root.path(), QStringLiteral("big"), configCfg(200'000, kSeed));
    const Install empty(root.path(), QStringLiteral("empty"), QByteArray());
    const QString carried = importBindsFromGame(big.game).plainText;

    if (wanted("load")) {
        Figure f{"load",
                 "main window load, config.cfg of 200,000 lines (100,000 carried)",
                 "QPlainTextEdit::setPlainText of the carried text",
                 "ms",
                 1.3,
                 {},
                 {},
                 {}};
        measure(
            f, runs,
            [&] {
                IndexRus window(big.store());
                QElapsedTimer timer;
                timer.start();
                window.load();
                return msSince(timer);
            },
            [&] {
                QPlainTextEdit edit;
                QElapsedTimer timer;
                timer.start();
                edit.setPlainText(carried);
                return msSince(timer);
            });
        figures.append(f);
    }
    if (wanted("show")) {
        Figure f{"show",
                 "one Show run on a box of 200,000 lines (window shown, painted)",
                 "one Show run on an empty box",
                 "ms",
                 2.0,
                 {},
                 {},
                 {}};
        IndexRus full(big.store());
        IndexRus bare(empty.store());
        full.show();
        bare.show();
        QApplication::processEvents();
        auto showRun = [](IndexRus &window) {
            QElapsedTimer timer;
            timer.start();
            window.showConfig();
            QApplication::processEvents();
            return msSince(timer);
        };
        measure(
            f, runs, [&] { return showRun(full); }, [&] { return showRun(bare); });
        figures.append(f);
    }
    if (wanted("save")) {
        Figure f{"save",
                 "Save of a 200,000-line box that differs from autoexec.cfg (reads dir.vlm, "
                 "keeps the old file as autoexec.cfg.bak, writes autoexec.cfg)",
                 "the same file work bare: the old file read and written to a backup with "
                 "QSaveFile, then a QSaveFile write of the new bytes",
                 "ms",
                 1.5,
                 {},
                 {},
                 {}};
        IndexRus window(big.store());
        window.load();
        // Each save differs from the one before by a last letter, so each one keeps a backup.
        QPlainTextEdit *box = window.findChild<QPlainTextEdit *>(QStringLiteral("config"));
        auto toggleLastLetter = [box] {
            QTextCursor cursor(box->document());
            cursor.movePosition(QTextCursor::End);
            if (box->document()->characterAt(box->document()->characterCount() - 2) == u'x')
                cursor.deletePreviousChar();
            else
                cursor.insertText(QStringLiteral("x"));
        };
        const QByteArray bytes[2] = {autoexecBytes(window.configText()),
                                     autoexecBytes(QString(window.configText() + u'x'))};
        const QString floorPath = big.game + QStringLiteral("/cstrike/floor.cfg");
        writeFile(floorPath, bytes[1]);
        int floorRound = 0;
        measure(
            f, runs,
            [&] {
                toggleLastLetter();
                QElapsedTimer timer;
                timer.start();
                window.saveConfig();
                return msSince(timer);
            },
            [&] {
                const QByteArray &next = bytes[floorRound++ % 2];
                QElapsedTimer timer;
                timer.start();
                QFile old(floorPath);
                old.open(QIODevice::ReadOnly);
                const QByteArray previous = old.readAll();
                old.close();
                QSaveFile backup(floorPath + QStringLiteral(".bak"));
                backup.open(QIODevice::WriteOnly);
                backup.write(previous);
                backup.commit();
                QSaveFile file(floorPath);
                file.open(QIODevice::WriteOnly);
                file.write(next);
                file.commit();
                return msSince(timer);
            });
        QFile written(big.game + QStringLiteral("/cstrike/autoexec.cfg"));
        QFile backup(big.game + QStringLiteral("/cstrike/autoexec.cfg.bak"));
        const QByteArray now = autoexecBytes(window.configText());
        if (!written.open(QIODevice::ReadOnly) || written.readAll() != now)
            f.note = QStringLiteral("autoexec.cfg does not hold the box's bytes");
        else if (!backup.open(QIODevice::ReadOnly) || backup.readAll() != bytes[now == bytes[0]])
            f.note = QStringLiteral("autoexec.cfg.bak does not hold the previous bytes");
        figures.append(f);
    }
    if (wanted("scan")) {
        Figure f{"scan",
                 "core import scan of a 50 MB config.cfg (lines found and decoded)",
                 "LC_ALL=C grep -c -i -E '^[[:space:]]*(alias|bind)'",
                 "ms",
                 1.5,
                 {},
                 {},
                 {}};
        QByteArray config;
        for (quint32 part = 0; config.size() < 50'000'000; ++part)
            config += configCfg(100'000, kSeed + part);
        config.truncate(50'000'000);
        const Install scan(root.path(), QStringLiteral("scan"), config);
        const QString file = scan.game + QStringLiteral("/cstrike/config.cfg");
        config.clear();
        int found = 0;
        QByteArray grepCount;
        measure(
            f, runs,
            [&] {
                QElapsedTimer timer;
                timer.start();
                const ImportResult result = importBindsFromGame(scan.game);
                const double ms = msSince(timer);
                found = result.count();
                return ms;
            },
            [&] {
                return runTool(QStringLiteral("grep"),
                               {QStringLiteral("-c"), QStringLiteral("-i"), QStringLiteral("-E"),
                                QStringLiteral("^[[:space:]]*(alias|bind)"), file},
                               &grepCount);
            });
        QList<double> wc;
        QByteArray lines;
        for (int i = 0; i < runs; ++i)
            wc.append(runTool(QStringLiteral("wc"), {QStringLiteral("-l"), file}, &lines));
        f.note = QStringLiteral("wc -l (read floor): %1 ms; %2 lines, %3 carried, grep counts %4")
                     .arg(number(median(wc)), QString::fromLatin1(lines.split(' ').value(0)))
                     .arg(found)
                     .arg(QString::fromLatin1(grepCount));
        figures.append(f);
    }
    if (wanted("longline")) {
        // A crash-damaged config.cfg: nothing but NUL bytes, not one line break. The load must
        // cost what reading the file costs, and grow with it in a straight line.
        auto zeros = [&](const QString &name, qint64 megabytes) {
            const Install install(root.path(), name, QByteArray());
            QFile file(install.game + QStringLiteral("/cstrike/config.cfg"));
            const QByteArray block(1'000'000, '\0');
            if (file.open(QIODevice::WriteOnly)) {
                for (qint64 i = 0; i < megabytes; ++i)
                    file.write(block);
            }
            return install;
        };
        auto loadOf = [](const Install &install) {
            return [&install] {
                IndexRus window(install.store());
                QElapsedTimer timer;
                timer.start();
                window.load();
                return msSince(timer);
            };
        };
        auto wcOf = [](const Install &install) {
            const QString path = install.game + QStringLiteral("/cstrike/config.cfg");
            return [path] {
                return runTool(QStringLiteral("wc"), {QStringLiteral("-l"), path}, nullptr);
            };
        };
        Figure f{"longline",
                 "main window load, config.cfg of 400 MB of NUL bytes without a line break",
                 "wc -l of the same file (the read floor)",
                 "ms",
                 1.5,
                 {},
                 {},
                 {}};
        Figure small = f;
        const Install quarter = zeros(QStringLiteral("long100"), 100);
        measure(small, runs, loadOf(quarter), wcOf(quarter));
        QDir(quarter.game).removeRecursively();
        const Install whole = zeros(QStringLiteral("long400"), 400);
        measure(f, runs, loadOf(whole), wcOf(whole));
        QDir(whole.game).removeRecursively();
        f.note = QStringLiteral("100 MB: %1 ms (floor %2 ms); 100 to 400 MB: load x%3, floor x%4")
                     .arg(number(median(small.runs)), number(median(small.floorRuns)))
                     .arg(median(f.runs) / median(small.runs), 0, 'f', 2)
                     .arg(median(f.floorRuns) / median(small.floorRuns), 0, 'f', 2);
        figures.append(f);
    }
    if (wanted("start")) {
        Figure f{"start",
                 "velmora process start to main window painted, config.cfg of 300 lines",
                 "bare Qt program: QMainWindow holding a QPlainTextEdit",
                 "ms",
                 1.5,
                 {},
                 {},
                 {}};
        const Install small(root.path(), QStringLiteral("start"), configCfg(300, kSeed));
        const QString exe = small.program + QStringLiteral("/velmora");
        QFile::copy(QStringLiteral(VELMORA_EXE), exe);
        const QString smallCarried = importBindsFromGame(small.game).plainText;
        const QString smallText = root.path() + QStringLiteral("/start-carried.txt");
        writeFile(smallText, encodeLossless(smallCarried));
        measure(
            f, runs, [&] { return probeRun(exe, {}, root.path()).first; },
            [&] {
                return probeRun(QStringLiteral(VELMORA_BARE_EXE), {smallText}, root.path()).first;
            });
        figures.append(f);
    }
    if (wanted("memory")) {
        Figure f{"memory",
                 "velmora peak RSS after the 200,000-line load (main window painted)",
                 "bare Qt program holding the same text",
                 "MiB",
                 1.3,
                 {},
                 {},
                 {}};
        const QString exe = big.program + QStringLiteral("/velmora");
        QFile::copy(QStringLiteral(VELMORA_EXE), exe);
        const QString bigText = root.path() + QStringLiteral("/big-carried.txt");
        writeFile(bigText, encodeLossless(carried));
        measure(
            f, runs, [&] { return probeRun(exe, {}, root.path()).second; },
            [&] {
                return probeRun(QStringLiteral(VELMORA_BARE_EXE), {bigText}, root.path()).second;
            });
        figures.append(f);
    }
    if (wanted("steam")) {
        Figure f{"steam",
                 "chooser's search, 3 Steam roots and 8 libraries, game in the last",
                 "reading the same Steam files",
                 "us",
                 2.0,
                 {},
                 {},
                 {}};
        f.note = bench::measureSteamSearch(root.path(), runs, f.runs, f.floorRuns);
        figures.append(f);
    }

    QJsonArray json;
    bool allMet = true;
    for (const Figure &f : figures) {
        const double value = median(f.runs);
        const double floorValue = median(f.floorRuns);
        const bool valid = value > 0 && floorValue > 0 && f.note.indexOf(u"does not") < 0;
        const double ratio = valid ? value / floorValue : 0;
        const bool met = valid && ratio <= f.goal;
        allMet = allMet && met;
        std::printf("%-6s %9s %-3s | floor %9s %-3s | ratio %5.2f (goal <= %.1f) %s\n", f.name,
                    qPrintable(number(value)), f.unit, qPrintable(number(floorValue)), f.unit,
                    ratio, f.goal, met ? "met" : (valid ? "MISSED" : "FAILED"));
        std::printf("       %s | floor: %s%s%s\n", f.work, f.floorWork,
                    f.note.isEmpty() ? "" : " | ", qPrintable(f.note));
        QJsonArray r, fr;
        for (double v : f.runs)
            r.append(v);
        for (double v : f.floorRuns)
            fr.append(v);
        json.append(QJsonObject{{QStringLiteral("figure"), QString::fromLatin1(f.name)},
                                {QStringLiteral("work"), QString::fromUtf8(f.work)},
                                {QStringLiteral("floor_work"), QString::fromUtf8(f.floorWork)},
                                {QStringLiteral("unit"), QString::fromLatin1(f.unit)},
                                {QStringLiteral("median"), value},
                                {QStringLiteral("floor_median"), floorValue},
                                {QStringLiteral("ratio"), ratio},
                                {QStringLiteral("goal"), f.goal},
                                {QStringLiteral("met"), met},
                                {QStringLiteral("runs"), r},
                                {QStringLiteral("floor_runs"), fr},
                                {QStringLiteral("note"), f.note}});
    }
    const QJsonObject document{{QStringLiteral("cores"), QThread::idealThreadCount()},
                               {QStringLiteral("system"), QSysInfo::prettyProductName()},
                               {QStringLiteral("runs"), runs},
                               {QStringLiteral("seed"), qint64(kSeed)},
                               {QStringLiteral("figures"), json}};
    writeFile(jsonPath, QJsonDocument(document).toJson());
    std::printf("JSON: %s\n", qPrintable(QFileInfo(jsonPath).absoluteFilePath()));
    return allMet ? 0 : 3;
}
