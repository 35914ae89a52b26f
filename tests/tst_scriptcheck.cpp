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
        QTest::addColumn<QString>("expected"); ///< "line:e|w|n" for each finding, blank-separated
        QTest::addColumn<QString>("said");     ///< in the first finding's message
        const struct
        {
            const char *name, *script, *expected, *said;
        } rows[] = {
            // Lines that get no finding.
            {"binds and aliases",
             "bind \"w\" \"+forward\"\r\nalias +jt \"+jump;wait;-jump\"\r\n"
             "bind j +jt\r\n",
             "", ""},
            {"commands joined by ;", "echo hi; say there;-mlook", "", ""},
            {"rates in range", "rate \"25000\"\ncl_updaterate 101\nex_interp 0.01\n", "", ""},
            {"comment with a quoted ;", "// say \"hi; quit\n", "", ""},
            {"fps above 100 with the override", "fps_max 250\nfps_override 1\n", "", ""},
            {"a limited command without a value", "rate\nfps_max", "", ""},
            {"values at the bounds", "rate 1000\ncl_updaterate 102\nex_interp 0\n", "", ""},
            {"bound unbindall then binds", "bind u \"unbindall; bind w +forward\"", "", ""},
            {"own alias called", "alias hi \"say hi\"\nhi\n", "", ""},
            {"crosshair values the game takes",
             "cl_crosshair_color \"255 0 0\"\ncl_crosshair_size small\ncl_crosshair_translucent 0\n"
             "cl_dynamiccrosshair \"1\"\n",
             "", ""},
            // Warnings.
            {"crosshair colour over 255", "cl_crosshair_color \"300 0 0\"", "1:w", "0 to 255"},
            {"crosshair colour unquoted", "\ncl_crosshair_color 255 0 0", "2:w", "first word"},
            {"crosshair size unknown", "cl_crosshair_size tiny", "1:w", "usage"},
            {"rate over its range", "rate 200000", "1:w", "1000 to 100000"},
            {"update rate over 102", "\ncl_updaterate \"150\"", "2:w", "102"},
            {"fps above 100", "fps_max 250", "1:w", "fps_override"},
            {"fps above 100, then quit", "fps_max 250\nquit", "1:w 2:w", "fps_override"},
            {"fps above 100, override off", "fps_override 0\nfps_max 250", "2:w", "fps_override"},
            {"interpolation over 0.1", "ex_interp 0.5", "1:w", "0 to 0.1"},
            {"unclosed quote", "name \"x; quit\n", "1:w", "quote"},
            {"quit", "say a; quit", "1:w", "ends the game"},
            {"; ends a comment", "// off ; quit", "1:w", "ends the game"},
            {"exit", "\n\nEXIT\n", "3:w", "ends the game"},
            {"bound connect", "bind f1 \"connect 1.2.3.4:27015\"", "1:w", "connect 1.2.3.4:27015"},
            {"unquoted bound connect", "bind f1 connect 1.2.3.4", "1:w", "connect 1.2.3.4"},
            {"alias retry", "alias x \"+jump;retry\"", "1:w", "retry"},
            {"bound rcon", "bind k \"rcon quit\"", "1:w", "rcon quit"},
            {"bound exec", "bind e \"exec other.cfg\"", "1:w", "exec other.cfg"},
            {"bound writecfg", "bind w \"writecfg config\"", "1:w", "writecfg"},
            {"alias motdfile", "alias m \"motdfile config.cfg\"", "1:w", "motdfile"},
            {"bound filter off", "bind x \"cl_filterstuffcmd 0\"", "1:w", "cl_filterstuffcmd 0"},
            {"bound unbindall alone", "bind u \"bind w +forward; unbindall\"", "1:w", "unbindall"},
            {"alias binding a connect", "alias a \"bind w connect x\"", "1:w", "connect x"},
            // Notes.
            {"ignored", "r_mmx 1", "1:n", "does nothing"},
            {"hosted", "\nmp_freezetime 3", "2:n", "server you host"},
            {"unknown", "frobnicate 1", "1:n", "unknown"},
            {"a prefix alone is no command", "mp_ 1", "1:n", "unknown"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QByteArray(row.script) << QString::fromLatin1(row.expected)
                                    << QString::fromLatin1(row.said);
        // Errors.
        QTest::newRow("command over 1023 bytes: said once, the rest run")
            << QByteArray("\nsay " + QByteArray(3000, 'x') + "\n") << u"2:e 2:n 2:n"_qs
            << u"1023"_qs;
        QTest::newRow("command of exactly 1023 bytes")
            << QByteArray("say " + QByteArray(1019, 'x')) << QString() << QString();
        QTest::newRow("NUL byte first") << bytes("\0quit\n") << u"1:e"_qs << u"NUL"_qs;
        QTest::newRow("NUL byte ends the reading")
            << bytes("bind a b\nname x\n\0quit\n") << u"3:e"_qs << u"NUL"_qs;
    }

    void findings()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, expected);
        QFETCH(QString, said);
        const QList<Finding> findings = checkScript(script);
        QCOMPARE(summary(findings), expected.split(u' ', Qt::SkipEmptyParts));
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
