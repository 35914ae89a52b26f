#include "gamefiles/scriptcheck.h"

#include "config/gamecommands.h"
#include "config/generator.h"
#include "config/linetable.h"
#include "literalbytes.h"

#include <QFile>
#include <QSet>
#include <QTest>

using namespace velmora;

namespace {

/// The findings as "line:e|w|n" each, the message left out: "3:w".
QStringList summary(const QList<Finding> &findings)
{
    QStringList said;
    for (const Finding &finding : findings)
        said << QStringLiteral("%1:%2")
                    .arg(finding.line)
                    .arg(QLatin1Char("ewn"[int(finding.severity)]));
    return said;
}

} // namespace

class TestScriptCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findings_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("said"); ///< in the first finding's message
        const QStringList none;
        // Lines that get no finding.
        QTest::newRow("binds and aliases") << QByteArray("bind \"w\" \"+forward\"\r\nalias +jt "
                                                         "\"+jump;wait;-jump\"\r\nbind j +jt\r\n")
                                           << none << QString();
        QTest::newRow("commands joined by ;")
            << QByteArray("echo hi; say there;-mlook") << none << QString();
        QTest::newRow("rates in range")
            << QByteArray("rate \"25000\"\ncl_updaterate 101\n") << none << QString();
        QTest::newRow("comment with a quoted ;")
            << QByteArray("// say \"hi; quit\n") << none << QString();
        QTest::newRow("fps above 100 with the override")
            << QByteArray("fps_max 250\nfps_override 1\n") << none << QString();
        QTest::newRow("unbindall then binds at start")
            << QByteArray("unbindall\nbind w +forward\n") << none << QString();
        QTest::newRow("bound unbindall then binds")
            << QByteArray("bind u \"unbindall; bind w +forward\"") << none << QString();
        QTest::newRow("own alias called")
            << QByteArray("alias hi \"say hi\"\nhi\n") << none << QString();
        // Errors.
        QTest::newRow("command over 1023 bytes: said once, the rest run")
            << QByteArray("\nsay " + QByteArray(3000, 'x') + "\n")
            << QStringList{u"2:e"_qs, u"2:n"_qs, u"2:n"_qs} << u"1023"_qs;
        QTest::newRow("NUL byte ends the reading")
            << bytes("bind a b\nname x\n\0quit\n") << QStringList{u"3:e"_qs} << u"NUL"_qs;
        // Warnings.
        QTest::newRow("rate over its range")
            << QByteArray("rate 200000") << QStringList{u"1:w"_qs} << u"1000 to 100000"_qs;
        QTest::newRow("update rate over 102")
            << QByteArray("\ncl_updaterate \"150\"") << QStringList{u"2:w"_qs} << u"102"_qs;
        QTest::newRow("fps above 100")
            << QByteArray("fps_max 250") << QStringList{u"1:w"_qs} << u"fps_override"_qs;
        QTest::newRow("unclosed quote")
            << QByteArray("name \"x; quit\n") << QStringList{u"1:w"_qs} << u"quote"_qs;
        QTest::newRow("quit") << QByteArray("say a; quit") << QStringList{u"1:w"_qs}
                              << u"ends the game"_qs;
        QTest::newRow("; ends a comment")
            << QByteArray("// off ; quit") << QStringList{u"1:w"_qs} << u"ends the game"_qs;
        QTest::newRow("exit") << QByteArray("\n\nEXIT\n") << QStringList{u"3:w"_qs}
                              << u"ends the game"_qs;
        const struct
        {
            const char *name;
            const char *line;
            const char *said;
        } planted[] = {
            {"bound connect", "bind f1 \"connect 1.2.3.4:27015\"", "connect 1.2.3.4:27015"},
            {"unquoted bound connect", "bind f1 connect 1.2.3.4", "connect 1.2.3.4"},
            {"alias retry", "alias x \"+jump;retry\"", "retry"},
            {"bound rcon", "bind k \"rcon quit\"", "rcon quit"},
            {"bound exec", "bind e \"exec other.cfg\"", "exec other.cfg"},
            {"bound writecfg", "bind w \"writecfg config\"", "writecfg"},
            {"alias motdfile", "alias m \"motdfile config.cfg\"", "motdfile"},
            {"bound filter off", "bind x \"cl_filterstuffcmd 0\"", "cl_filterstuffcmd 0"},
            {"bound unbindall alone", "bind u \"bind w +forward; unbindall\"", "unbindall"},
            {"alias binding a connect", "alias a \"bind w connect x\"", "connect x"},
        };
        for (const auto &row : planted)
            QTest::newRow(row.name)
                << QByteArray(row.line) << QStringList{u"1:w"_qs} << QString::fromLatin1(row.said);
        // Notes.
        QTest::newRow("ignored") << QByteArray("r_mmx 1") << QStringList{u"1:n"_qs}
                                 << u"does nothing"_qs;
        QTest::newRow("hosted") << QByteArray("\nmp_freezetime 3") << QStringList{u"2:n"_qs}
                                << u"server you host"_qs;
        QTest::newRow("unknown") << QByteArray("frobnicate 1") << QStringList{u"1:n"_qs}
                                 << u"unknown"_qs;
    }

    void findings()
    {
        QFETCH(QByteArray, script);
        QFETCH(QStringList, expected);
        QFETCH(QString, said);
        const QList<Finding> findings = checkScript(script);
        QCOMPARE(summary(findings), expected);
        if (!said.isEmpty())
            QVERIFY2(findings.first().message.contains(said), qPrintable(findings.first().message));
    }

    // What Velmora itself writes runs as written: at most notes, at the start-up values and with
    // every box checked.
    void ownOutputGetsNotesOnly()
    {
        OptionSnapshot allChecked;
        for (int n = 1; n <= kCheckCount; ++n)
            allChecked.check(n) = CheckValue::Checked;
        for (const OptionSnapshot &options : {OptionSnapshot(), allChecked}) {
            const QList<Finding> findings = checkScript(generateText(options).toUtf8());
            QVERIFY(!findings.isEmpty()); // r_mmx, s_a3d, mp_ lines...
            for (const Finding &finding : findings)
                QVERIFY2(finding.severity == Severity::Note, qPrintable(finding.message));
        }
    }

    // The README's table of what the game does with Velmora's lines says what the command table
    // says, and names every command that a run can write.
    void readmeAgreesWithTheTable()
    {
        QFile readme(QStringLiteral(VELMORA_README));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const std::pair<QByteArrayView, GameStatus> kinds[] = {
            {"| does nothing |", GameStatus::Ignored},
            {"| acts only on a server you host |", GameStatus::HostOnly},
            {"| clamped |", GameStatus::Clamped},
            {"| works |", GameStatus::Works}};
        QSet<QByteArray> named;
        for (const QByteArray &line : readme.readAll().split('\n')) {
            for (const auto &[start, status] : kinds) {
                const QList<QByteArray> parts =
                    line.startsWith(start) ? line.split('`') : QList<QByteArray>();
                for (qsizetype i = 1; i < parts.size(); i += 2) {
                    if (parts[i].contains(' '))
                        continue; // "fps_override 1": a line, not a command
                    const GameCommand *row = findGameCommand(parts[i]);
                    QVERIFY2(row && row->status == status, parts[i].constData());
                    named.insert(parts[i]);
                }
            }
        }
        OptionSnapshot allChecked;
        allChecked.combo1 = QString::fromUtf8(connectionPresets().front().comboText);
        for (int n = 1; n <= kCheckCount; ++n)
            allChecked.check(n) = CheckValue::Checked;
        for (const OptionSnapshot &options : {OptionSnapshot(), allChecked}) {
            for (const QString &line : generateLines(options)) {
                const QByteArray command = line.section(u' ', 0, 0).trimmed().toLatin1();
                QVERIFY2(named.contains(command), command.constData());
            }
        }
    }

    void plantedLinesOfTheImport()
    {
        const QString text = u"bind a b\nbind c \"CONNECT x\"\nalias go \"exec a.cfg\"\nbind "
                             "r retry_menu\n"_qs;
        const QList<QStringView> planted = plantedLines(text);
        QCOMPARE(planted.size(), 2);
        QCOMPARE(planted[0], u"bind c \"CONNECT x\"");
        QCOMPARE(planted[1], u"alias go \"exec a.cfg\"");
    }

    void statusNotes_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("note"); ///< a piece of it; empty: no note
        QTest::newRow("ignored") << u"s_eax"_qs << u"ничего не делает"_qs;
        QTest::newRow("clamped") << u"rate"_qs << u"1000–100000"_qs;
        QTest::newRow("limit lifted") << u"fps_max"_qs << u"fps_override 1"_qs;
        QTest::newRow("hosted pattern") << u"MP_ROUNDTIME"_qs << u"сервере"_qs;
        QTest::newRow("not saved") << u"ex_interp"_qs << u"autoexec.cfg"_qs;
        QTest::newRow("works") << u"-mlook"_qs << QString();
        QTest::newRow("unknown") << u"frobnicate"_qs << QString();
    }

    void statusNotes()
    {
        QFETCH(QString, command);
        QFETCH(QString, note);
        const QString said = gameStatusNote(command);
        QCOMPARE(said.isEmpty(), note.isEmpty());
        QVERIFY2(said.contains(note), qPrintable(said));
    }
};

QTEST_MAIN(TestScriptCheck)
#include "tst_scriptcheck.moc"
