// The inputs every figure shares, and the core's import scan.

#include "figures.h"

#include "gamefiles/bindimport.h"

#include <QDir>
#include <QRandomGenerator>

#include <cstdio>

namespace velmora::bench {

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

Install::Install(const QString &root, const QString &name, const QByteArray &config)
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

Figure scanFigure(const Bench &bench)
{
    Figure f{"scan", "core import scan of a 50 MB config.cfg (lines found and decoded)",
             "LC_ALL=C grep -c -i -E '^[[:space:]]*(alias|bind)'", "ms", 1.5};
    QByteArray config;
    for (quint32 part = 0; config.size() < 50'000'000; ++part)
        config += configCfg(100'000, kSeed + part);
    config.truncate(50'000'000);
    const Install scan(bench.root, QStringLiteral("scan"), config);
    const QString file = scan.game + QStringLiteral("/cstrike/config.cfg");
    config.clear();
    int found = 0;
    QByteArray grepCount;
    measure(
        f, bench.runs,
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
    for (int i = 0; i < bench.runs; ++i)
        wc.append(runTool(QStringLiteral("wc"), {QStringLiteral("-l"), file}, &lines));
    f.note = QStringLiteral("wc -l (read floor): %1 ms; %2 lines, %3 carried, grep counts %4")
                 .arg(number(median(wc)), QString::fromLatin1(lines.split(' ').value(0)))
                 .arg(found)
                 .arg(QString::fromLatin1(grepCount));
    return f;
}

} // namespace velmora::bench
