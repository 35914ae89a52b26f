// The inputs every figure shares, and the core's import scan.

#include "figures.h"

#include "base/textcodec.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/bindimport.h"
#include "gamefiles/userconfig.h"

#include <QDir>
#include <QFile>
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

Figure longCommandFigure(const Bench &bench)
{
    // The check a Save makes before it offers the userconfig.cfg chain, on one line of 8 MB in
    // userconfig.cfg and one more in the box: the console's reading of both must cost about what
    // reading the file and encoding the box cost, however long the line. The reading looks at each
    // byte a few times in a plain loop (the command's end, its words, the NUL search) against the
    // floor's copies and vector encoding; a reading that went back over the line at each of its
    // 8,000 cuts would be a thousand times slower, which the goal is there to catch.
    Figure f{"longcommand",
             "userconfig.cfg chain check, one 8 MB line in userconfig.cfg and one in the box",
             "reading the same userconfig.cfg and encoding the box", "ms", 15.0};
    const Install install(bench.root, QStringLiteral("longcommand"), QByteArray());
    const QString path = install.game + QStringLiteral("/cstrike/userconfig.cfg");
    writeFile(path, "echo \"" + QByteArray(8 << 20, 'x') + "\"\r\n");
    const QString box = QStringLiteral("say ") + QString(8 << 20, u'y');
    ChainState state = ChainState::Failed;
    measure(
        f, bench.runs,
        [&] {
            QElapsedTimer timer;
            timer.start();
            state = checkUserconfigChain(install.game, autoexecBytes(box)).state;
            return msSince(timer);
        },
        [&] {
            QElapsedTimer timer;
            timer.start();
            QFile file(path);
            qsizetype bytes = file.open(QIODevice::ReadOnly) ? file.readAll().size() : 0;
            bytes += encodeLossless(box).size();
            return bytes > 0 ? msSince(timer) : 0.0;
        });
    if (state != ChainState::Missing)
        f.note = QStringLiteral("the check does not offer the chain");
    return f;
}

} // namespace velmora::bench
