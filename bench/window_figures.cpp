// The main window's figures: the real IndexRus loading, showing and saving a large box.

#include "figures.h"

#include "gamefiles/autoexec.h"
#include "ui/messagebox.h"
#include "windows/index_rus.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

namespace velmora::bench {

namespace {

// The boxes of each command are answered as a player who says Yes to every question does.

/// A fresh main window's load of the install's config.cfg, in ms.
double timedLoad(const Install &install)
{
    IndexRus window(install.store());
    ui::MessageBox::setNextAnswers({ui::Answer::Ok}); // the count
    QElapsedTimer timer;
    timer.start();
    window.load();
    return msSince(timer);
}

double timedShow(IndexRus &window)
{
    ui::MessageBox::setNextAnswers({ui::Answer::Yes});
    QElapsedTimer timer;
    timer.start();
    window.showConfig();
    QApplication::processEvents();
    return msSince(timer);
}

/// The floor of a save: the old file read and kept as a backup, then the new bytes written, each
/// through QSaveFile as the program does; in ms.
double timedBareSave(const QString &path, const QByteArray &next)
{
    QElapsedTimer timer;
    timer.start();
    QFile old(path);
    old.open(QIODevice::ReadOnly);
    const QByteArray previous = old.readAll();
    old.close();
    QSaveFile backup(path + QStringLiteral(".bak"));
    backup.open(QIODevice::WriteOnly);
    backup.write(previous);
    backup.commit();
    QSaveFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(next);
    file.commit();
    return msSince(timer);
}

/// Adds an "x" to the end of the box, or takes it away when it is there.
void toggleLastLetter(QPlainTextEdit *box)
{
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    if (box->document()->characterAt(box->document()->characterCount() - 2) == u'x')
        cursor.deletePreviousChar();
    else
        cursor.insertText(QStringLiteral("x"));
}

/// An install whose config.cfg is one line of `megabytes` MB, no bind.
Install oneLine(const QString &root, const QString &name, qint64 megabytes)
{
    const Install install(root, name, QByteArray());
    QFile file(install.game + QStringLiteral("/cstrike/config.cfg"));
    const QByteArray block(1'000'000, 'x');
    if (file.open(QIODevice::WriteOnly)) {
        for (qint64 i = 0; i < megabytes; ++i)
            file.write(block);
    }
    return install;
}

/// Measures the load of one line of `megabytes` MB beside `wc -l` of the same file.
void measureLongLine(Figure &f, const Bench &bench, const QString &name, qint64 megabytes)
{
    const Install install = oneLine(bench.root, name, megabytes);
    const QString path = install.game + QStringLiteral("/cstrike/config.cfg");
    measure(
        f, bench.runs, [&] { return timedLoad(install); },
        [&] {
            return runTool(QStringLiteral("wc"), {QStringLiteral("-l"), path}, nullptr);
        });
    QDir(install.game).removeRecursively();
}

} // namespace

Figure loadFigure(const Bench &bench)
{
    Figure f{"load", "main window load, config.cfg of 200,000 lines (100,000 carried)",
             "QPlainTextEdit::setPlainText of the carried text", "ms", 1.3};
    measure(
        f, bench.runs, [&] { return timedLoad(bench.big); },
        [&] {
            QPlainTextEdit edit;
            QElapsedTimer timer;
            timer.start();
            edit.setPlainText(bench.carried);
            return msSince(timer);
        });
    return f;
}

Figure openFigure(const Bench &bench)
{
    Figure f{"open", "Open of a config of 200,000 lines into the controls and the box",
             "QPlainTextEdit::setPlainText of the file's text", "ms", 2.0};
    const QString path = bench.big.game + QStringLiteral("/cstrike/config.cfg");
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromLatin1(file.readAll());
    IndexRus window(bench.empty.store());
    measure(
        f, bench.runs,
        [&] {
            ui::MessageBox::setNextAnswers({ui::Answer::Ok}); // the count
            QElapsedTimer timer;
            timer.start();
            window.openConfigFile(path);
            return msSince(timer);
        },
        [&] {
            QPlainTextEdit edit;
            QElapsedTimer timer;
            timer.start();
            edit.setPlainText(text);
            return msSince(timer);
        });
    return f;
}

Figure showFigure(const Bench &bench)
{
    Figure f{"show", "one Show run on a box of 200,000 lines (window shown, painted)",
             "one Show run on an empty box", "ms", 2.0};
    IndexRus full(bench.big.store());
    IndexRus bare(bench.empty.store());
    full.show();
    bare.show();
    QApplication::processEvents();
    measure(
        f, bench.runs, [&] { return timedShow(full); }, [&] { return timedShow(bare); });
    return f;
}

Figure saveFigure(const Bench &bench)
{
    Figure f{"save",
             "Save of a 200,000-line box that differs from autoexec.cfg (reads dir.vlm, "
             "keeps the old file as autoexec.cfg.bak, writes autoexec.cfg)",
             "the same file work bare: the old file read and written to a backup with "
             "QSaveFile, then a QSaveFile write of the new bytes",
             "ms", 1.5};
    IndexRus window(bench.big.store());
    ui::MessageBox::setNextAnswers({ui::Answer::Ok});
    window.load();
    // Each save differs from the one before by a last letter, so each one keeps a backup.
    QPlainTextEdit *box = window.findChild<QPlainTextEdit *>(QStringLiteral("config"));
    const QByteArray bytes[2] = {autoexecBytes(window.configText()),
                                 autoexecBytes(QString(window.configText() + u'x'))};
    const QString cstrike = bench.big.game + QStringLiteral("/cstrike/");
    const QString floorPath = cstrike + QStringLiteral("floor.cfg");
    writeFile(floorPath, bytes[1]);
    int floorRound = 0;
    measure(
        f, bench.runs,
        [&] {
            toggleLastLetter(box);
            ui::MessageBox::setNextAnswers(
                {ui::Answer::Yes, ui::Answer::Yes}); // the question, the userconfig.cfg offer
            QElapsedTimer timer;
            timer.start();
            window.saveConfig();
            return msSince(timer);
        },
        [&] { return timedBareSave(floorPath, bytes[floorRound++ % 2]); });
    QFile written(cstrike + QStringLiteral("autoexec.cfg"));
    QFile backup(cstrike + QStringLiteral("autoexec.cfg.bak"));
    const QByteArray now = autoexecBytes(window.configText());
    if (!written.open(QIODevice::ReadOnly) || written.readAll() != now)
        f.note = QStringLiteral("autoexec.cfg does not hold the box's bytes");
    else if (!backup.open(QIODevice::ReadOnly) || backup.readAll() != bytes[now == bytes[0]])
        f.note = QStringLiteral("autoexec.cfg.bak does not hold the previous bytes");
    return f;
}

Figure longlineFigure(const Bench &bench)
{
    // A damaged config.cfg: one line of 400 MB, no line break. The load must cost what reading
    // the file costs, and grow with it in a straight line. (A file of NUL bytes ends at its
    // first byte, as the game reads it.)
    Figure f{"longline", "main window load, config.cfg of one 400 MB line without a bind",
             "wc -l of the same file (the read floor)", "ms", 1.5};
    Figure small = f;
    measureLongLine(small, bench, QStringLiteral("long100"), 100);
    measureLongLine(f, bench, QStringLiteral("long400"), 400);
    f.note = QStringLiteral("100 MB: %1 ms (floor %2 ms); 100 to 400 MB: load x%3, floor x%4")
                 .arg(number(median(small.runs)), number(median(small.floorRuns)))
                 .arg(median(f.runs) / median(small.runs), 0, 'f', 2)
                 .arg(median(f.floorRuns) / median(small.floorRuns), 0, 'f', 2);
    return f;
}

} // namespace velmora::bench
