#include "config/generator.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

using namespace velmora;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/// Runs the real executable with no display at all: --print-config, --help, --version and a
/// refusal must never need one (with QT_QPA_PLATFORM=xcb a started GUI would abort).
Run runVelmora(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_qs);
    environment.remove(u"WAYLAND_DISPLAY"_qs);
    environment.insert(u"QT_QPA_PLATFORM"_qs, u"xcb"_qs);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_EXE), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestPrintConfig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpOptions()
    {
        const Run run = runVelmora({u"--print-config"_qs});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        QVERIFY(
            run.out.startsWith("cl_latency \"-0\"\r\nname \"Player\"\r\nmp_roundtime \"5\"\r\n"));
        QVERIFY(run.out.endsWith("hud_draw \"0\"\r\n-mlook\r\n"));
        QCOMPARE(run.out.count("\r\n"), 44);
        QCOMPARE(run.out.count('\n'), 44);
        QCOMPARE(run.out, generateText(OptionSnapshot()).toUtf8());
    }

    void namedControls()
    {
        const Run run =
            runVelmora({u"--print-config"_qs, u"Combo1=Кабельное соединение"_qs, u"Text1=40"_qs,
                        u"Text2=60"_qs, u"Text5="_qs, u"Check39=1"_qs, u"Text3=7"_qs,
                        u"Check29=2"_qs, u"Slider2=200"_qs, u"pod=1"_qs, u"Check37=1"_qs});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("rate \"8500\"\r\ncl_updaterate \"30\"\r\ncl_cmdrate \"40\"\r\n"
                                   "cl_latency \"-37.5\"\r\nname \"\"\r\n"));
        QVERIFY(run.out.contains("\r\nfps_max \"200\"\r\n"));
        QVERIFY(run.out.contains("\r\nconsole \"1\"\r\nscr_conspeed \"7\"\r\n"));
        QVERIFY(!run.out.contains("radar"));
        // The weapon in the right hand: the game's right hand is cl_righthand 1.
        QVERIFY(run.out.contains("\r\ncl_righthand \"1\"\r\n"));
        QVERIFY(!run.out.contains("lefthand"));
        QCOMPARE(run.out.count("\r\n"), 3 + 12 + 32);
    }

    void crosshairLinesAfterTheRun()
    {
        const Run run = runVelmora({u"--print-config"_qs, u"cl_crosshair_size=small"_qs});
        QCOMPARE(run.exitCode, 0);
        // The named setting and the game's start values of the other three, after the run.
        QCOMPARE(run.out, generateText(OptionSnapshot()).toUtf8() +
                              "cl_crosshair_color \"50 250 50\"\r\ncl_crosshair_size \"small\"\r\n"
                              "cl_crosshair_translucent \"1\"\r\ncl_dynamiccrosshair \"1\"\r\n");
    }

    void latencyPointUnderARussianLocale()
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LC_ALL"_qs, u"ru_RU.UTF-8"_qs);
        environment.insert(u"LANG"_qs, u"ru_RU.UTF-8"_qs);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELMORA_EXE),
                      {u"--print-config"_qs, u"Text1=40"_qs, u"Text2=60"_qs});
        QVERIFY(process.waitForFinished(60000));
        QVERIFY(process.readAllStandardOutput().startsWith("cl_latency \"-37.5\"\r\n"));
    }

    void refusedArguments_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::newRow("check value 3") << u"Check5=3"_qs;
        QTest::newRow("slider out of range") << u"Slider1=11"_qs;
        QTest::newRow("slider not a number") << u"Slider5=fast"_qs;
        QTest::newRow("unknown name") << u"Check44=1"_qs;
        QTest::newRow("no =") << u"Text1"_qs;
        QTest::newRow("other option") << u"--verbose"_qs;
        QTest::newRow("crosshair size by number") << u"cl_crosshair_size=2"_qs;
        QTest::newRow("crosshair colour over 255") << u"cl_crosshair_color=256 0 0"_qs;
    }

    void refusedArguments()
    {
        QFETCH(QString, argument);
        const Run run = runVelmora({u"--print-config"_qs, u"Text1=40"_qs, argument});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.contains(argument.toUtf8()), run.err.constData());
    }

    void writeFailureSaysWhy_data()
    {
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("error");
        QTest::newRow("full device") << false << ENOSPC;
        QTest::newRow("closed standard output") << true << EBADF;
    }

    void writeFailureSaysWhy()
    {
        QFETCH(bool, closed);
        QFETCH(int, error);
        QProcess process;
        if (closed)
            process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        else
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(VELMORA_EXE), {u"--print-config"_qs});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardError(),
                 QByteArray("velmora: write error: ") + std::strerror(error) + '\n');
    }

    // Values the console would split or cut are refused; at their caps they are written, and the
    // volume's comma as a point.
    void consoleValues_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QByteArray>("refused"); ///< the control named on standard error
        QTest::addColumn<QByteArray>("written"); ///< else a line of the output
        QTest::newRow("nick that quits the game")
            << u"Text5=x\";quit;\""_qs << QByteArray("Text5:");
        QTest::newRow("backslash in the contact") << u"Text4=a\\b"_qs << QByteArray("Text4:");
        QTest::newRow("line feed") << u"Text10=1\nquit"_qs << QByteArray("Text10:");
        QTest::newRow("carriage return") << u"Text11=1\r"_qs << QByteArray("Text11:");
        QTest::newRow("a word of 515 bytes")
            << u"Text9="_qs + QString(515, u'9') << QByteArray("Text9:");
        QTest::newRow("a word of 514 bytes")
            << u"Text9="_qs + QString(514, u'9') << QByteArray()
            << "\r\ncl_corpsestay \"" + QByteArray(514, '9') + "\"\r\n";
        QTest::newRow("nick of 32 bytes")
            << u"Text5="_qs + QString(32, u'n') << QByteArray("Text5:");
        QTest::newRow("Cyrillic nick of 16 letters")
            << u"Text5="_qs + QString(16, u'ж') << QByteArray("Text5:");
        QTest::newRow("contact of 128 bytes")
            << u"Text4="_qs + QString(128, u'c') << QByteArray("Text4:");
        // Cut after 1023 bytes, the rest of a line would run as a command of its own.
        QTest::newRow("a value too long for the console")
            << u"Text3="_qs + QString(1010, u'1') + u";quit;"_qs << QByteArray("Text3:");
        const QString nick = QString(15, u'ж') + u'x';
        QTest::newRow("nick of 31 bytes") << u"Text5="_qs + nick << QByteArray()
                                          << QByteArray("\r\nname \"" + nick.toUtf8() + "\"\r\n");
        QTest::newRow("contact of 127 bytes")
            << u"Text4="_qs + QString(127, u'c') << QByteArray()
            << QByteArray("\r\nsv_contact \"" + QByteArray(127, 'c') + "\"\r\n");
        QTest::newRow("volume's comma")
            << u"Text11=0,5"_qs << QByteArray() << QByteArray("\r\nvolume \"0.5\"\r\n");
    }
    void consoleValues()
    {
        QFETCH(QString, argument);
        QFETCH(QByteArray, refused);
        const Run run =
            runVelmora({u"--print-config"_qs, argument, u"Check22=1"_qs, u"Check39=1"_qs});
        if (refused.isEmpty()) {
            QFETCH(QByteArray, written);
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.out.contains(written), run.out.constData());
            return;
        }
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.endsWith('\n'));
        QVERIFY2(run.err.contains(refused), run.err.constData());
    }

    // The form editors jump to, the exit status, and wrong use; the findings themselves are
    // tst_scriptcheck's.
    void check_data()
    {
        QTest::addColumn<QByteArray>("script"); ///< written to the file; null: no file at all
        QTest::addColumn<QStringList>("extra"); ///< arguments after the file
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("said"); ///< the start of standard output after "FILE:"
        QTest::newRow("warning") << QByteArray("bind a b\r\nrate 200000\r\n") << QStringList() << 1
                                 << QByteArray("2: warning: rate 200000 ");
        QTest::newRow("error") << QByteArray("say " + QByteArray(1100, 'x')) << QStringList() << 1
                               << QByteArray("1: error: command over 1023 bytes");
        QTest::newRow("start-up config, notes only")
            << generateText(OptionSnapshot()).toUtf8() << QStringList() << 0
            << QByteArray("3: note: mp_roundtime acts only on a server you host");
        QTest::newRow("two files") << QByteArray("x") << QStringList{u"x"_qs} << 2 << QByteArray();
        QTest::newRow("missing file") << QByteArray() << QStringList() << 2 << QByteArray();
    }
    void check()
    {
        QFETCH(QByteArray, script);
        QFETCH(QStringList, extra);
        QFETCH(int, status);
        QFETCH(QByteArray, said);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"autoexec.cfg"_qs);
        if (!script.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(script) == script.size());
        }
        const Run run = runVelmora(QStringList{u"--check"_qs, path} + extra);
        QCOMPARE(run.exitCode, status);
        if (status == 2) {
            QCOMPARE(run.out, QByteArray());
            QCOMPARE(run.err.count('\n'), 1);
            return;
        }
        QCOMPARE(run.err, QByteArray());
        const QByteArray prefix = path.toUtf8() + ':';
        QVERIFY2(run.out.startsWith(QByteArray(prefix + said)), run.out.constData());
        for (const QByteArray &line : run.out.split('\n'))
            QVERIFY(line.isEmpty() || line.startsWith(prefix));
        if (status == 0)
            QVERIFY(!run.out.contains(": error: ") && !run.out.contains(": warning: "));
    }

    // The settings read back from a file --print-config wrote, given back to it, write the file
    // again; each argument is one line, blanks and all.
    void readConfigGivesTheFileBack_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("start-up") << QStringList();
        QTest::newRow("preset, pings, grayed, fields") << QStringList{u"Combo1=Модем 33600 бот"_qs,
                                                                      u"Text1=40"_qs,
                                                                      u"Text2=61"_qs,
                                                                      u"Check29=2"_qs,
                                                                      u"Check39=1"_qs,
                                                                      u"Text3=7"_qs,
                                                                      u"Text5=Игрок 2"_qs,
                                                                      u"Check22=1"_qs,
                                                                      u"Text4="_qs,
                                                                      u"Check37=1"_qs,
                                                                      u"Slider2=200"_qs};
        QTest::newRow("crosshair") << QStringList{
            u"Check40=1"_qs, u"cl_crosshair_color=0 255 255"_qs, u"cl_crosshair_size=large"_qs,
            u"cl_crosshair_translucent=0"_qs, u"cl_dynamiccrosshair=0"_qs};
    }

    void readConfigGivesTheFileBack()
    {
        QFETCH(QStringList, arguments);
        const Run written = runVelmora(QStringList{u"--print-config"_qs} + arguments);
        QCOMPARE(written.exitCode, 0);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"autoexec.cfg"_qs);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(written.out) == written.out.size());
        file.close();

        const Run read = runVelmora({u"--read-config"_qs, path});
        QCOMPARE(read.exitCode, 0);
        QCOMPARE(read.err, QByteArray());
        QStringList readArguments = QString::fromUtf8(read.out).split(u'\n');
        QCOMPARE(readArguments.takeLast(), QString());
        const Run again = runVelmora(QStringList{u"--print-config"_qs} + readArguments);
        QCOMPARE(again.out, written.out);
    }

    void readConfigRefusesAnUnreadableFile()
    {
        QTemporaryDir dir;
        QStringList paths{dir.filePath(u"missing.cfg"_qs), dir.path()};
        // A FIFO is refused at once: nothing waits for a writer.
        paths << dir.filePath(u"fifo.cfg"_qs);
        QCOMPARE(::mkfifo(QFile::encodeName(paths.last()).constData(), 0600), 0);
        // Past the largest script the game runs: refused unread (a sparse file holds no data).
        paths << dir.filePath(u"huge.cfg"_qs);
        QFile huge(paths.last());
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize((qint64(64) << 20) + 1));
        huge.close();
        // Both commands say it the same way: one English line naming the file once, status 2.
        for (const QString &command : {u"--read-config"_qs, u"--check"_qs}) {
            for (const QString &path : std::as_const(paths)) {
                const Run run = runVelmora({command, path});
                QCOMPARE(run.exitCode, 2);
                QCOMPARE(run.out, QByteArray());
                QCOMPARE(run.err.count('\n'), 1);
                QCOMPARE(run.err.count(path.toUtf8()), 1);
                QVERIFY2(QString::fromUtf8(run.err) == QString::fromLatin1(run.err),
                         run.err.constData());
            }
        }
    }

    void help()
    {
        const Run run = runVelmora({u"--help"_qs});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("--print-config"));
        QVERIFY(run.out.contains("--version"));
        QVERIFY(run.out.contains("--check FILE"));
    }

    // Answered before any window or QApplication exists: the run has no display to start one.
    void withoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("refused"); ///< what standard error says of the argument, if any
        QTest::newRow("version") << QStringList{u"--version"_qs} << QString();
        QTest::newRow("version after Qt's options")
            << QStringList{u"-platform"_qs, u"offscreen"_qs, u"-reverse"_qs, u"--version"_qs}
            << QString();
        QTest::newRow("version after Qt's option with =")
            << QStringList{u"-stylesheet=x.qss"_qs, u"--version"_qs} << QString();
        QTest::newRow("unknown") << QStringList{u"--verbose"_qs} << u"'--verbose'"_qs;
        QTest::newRow("version with a value")
            << QStringList{u"--version=2"_qs} << u"'--version=2'"_qs;
        QTest::newRow("help misspelt") << QStringList{u"--hlep"_qs, u"--help"_qs} << u"'--hlep'"_qs;
        QTest::newRow("Qt option lacking its value")
            << QStringList{u"-platform"_qs} << u"missing value for option '-platform'"_qs;
        QTest::newRow("Qt flag given a value")
            << QStringList{u"-reverse=1"_qs} << u"unknown option '-reverse=1'"_qs;
        QTest::newRow("after Qt's options")
            << QStringList{u"-platform"_qs, u"offscreen"_qs, u"--reverse"_qs, u"--bogus"_qs}
            << u"'--bogus'"_qs;
        QTest::newRow("not an option") << QStringList{u"autoexec.cfg"_qs} << u"'autoexec.cfg'"_qs;
        QTest::newRow("end of options") << QStringList{u"--"_qs} << u"'--'"_qs;
        QTest::newRow("lone dash") << QStringList{u"-"_qs, u"--version"_qs} << u"'-'"_qs;
    }

    void withoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, refused);
        const Run run = runVelmora(arguments);
        if (refused.isEmpty()) {
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.out, QByteArray("velmora " VELMORA_EXPECTED_VERSION "\n"));
            QCOMPARE(run.err, QByteArray());
            return;
        }
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.startsWith("velmora: "), run.err.constData());
        QVERIFY2(run.err.contains(refused.toUtf8()), run.err.constData());
        QVERIFY2(run.err.contains("velmora --help"), run.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestPrintConfig)
#include "tst_printconfig.moc"
