#include "console/scriptcheck.h"

#include "config/generator.h"
#include "config/linetable.h"
#include "console/consolelexer.h"
#include "console/gamecommands.h"
#include "literalbytes.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
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
    // How the console takes a script apart: each command as "line:word|word...", a word over 20
    // bytes as its length; a command over 1000 bytes as its length, marked "cut" or "cut, loses".
    void lexer_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("commands");
        const QByteArray x1019(1019, 'x');
        QTest::newRow("; in quotes stays, outside it ends the command")
            << QByteArray("bind k \"a; b\"; r_mmx 1\r\n")
            << QStringList{u"1:bind|k|a; b"_qs, u"1:r_mmx|1"_qs};
        QTest::newRow("// hides the rest of its command only, not a ;")
            << QByteArray("a b//c // d; e\n// f") << QStringList{u"1:a|b//c"_qs, u"1:e"_qs};
        QTest::newRow("quotes: joined, empty, unclosed up to the line end")
            << QByteArray("setinfo \"k\"\"0\" \"\"\nname \"x;y\n")
            << QStringList{u"1:setinfo|k|0|"_qs, u"2:name|x;y"_qs};
        QTest::newRow("words of their own; bytes from 0x80 start no word but go on in one")
            << QByteArray("name a(b):c'd,e\t\xC9"
                          "f\xC9{g}")
            << QStringList{u"1:name|a|(|b|)|:|c|'|d|,|e|f\u00C9|{|g|}"_qs};
        QTest::newRow("a lone CR is a blank, not a line end")
            << QByteArray("fps_max \"51\"\rsensitivity 7\r")
            << QStringList{u"1:fps_max|51|sensitivity|7"_qs};
        QTest::newRow("a NUL ends the script")
            << bytes("a\nb\0\nc") << QStringList{u"1:a"_qs, u"2:b"_qs};
        QTest::newRow("a word of 515 bytes ends the words, one of 514 does not")
            << QByteArray("a " + QByteArray(514, 'y') + " b;a " + QByteArray(515, 'y') + " b")
            << QStringList{u"1:a|514|b"_qs, u"1:a"_qs};
        QTest::newRow("exactly 1023 bytes then a line feed")
            << QByteArray("say " + x1019 + "\nb") << QStringList{u"1:1023"_qs, u"2:b"_qs};
        QTest::newRow("1023 bytes and CR LF: the CR is lost, nothing else")
            << QByteArray("say " + x1019 + "\r\nb") << QStringList{u"1:1023 cut"_qs, u"2:b"_qs};
        QTest::newRow("cut: a byte lost, the rest a command with quotes closed")
            << QByteArray("say " + x1019 + "zq\";c\n")
            << QStringList{u"1:1023 cut, loses"_qs, u"1:q\";c"_qs};
    }

    void lexer()
    {
        QFETCH(QByteArray, script);
        QFETCH(QStringList, commands);
        ConsoleLexer lexer(script);
        QStringList read;
        for (ScriptCommand command; lexer.next(&command);) {
            QStringList words;
            for (const QByteArrayView word : consoleWords(command.text))
                words << (word.size() > 20 ? QString::number(word.size())
                                           : QString::fromLatin1(word));
            if (command.text.size() > 1000)
                words = QStringList{QString::number(command.text.size())};
            if (command.cut)
                words.last() += command.cutLoses ? u" cut, loses"_qs : u" cut"_qs;
            if (!words.isEmpty())
                read << QString::number(command.line) + u':' + words.join(u'|');
        }
        QCOMPARE(read, commands);
    }

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
            {"archived filter", "cl_filterstuffcmd 1", "", ""},
            {"the password set at start", "rcon_password s3cret", "", ""},
            {"frame floor and shaders",
             "fps_max 20\ngl_use_shaders 1\n_cl_autowepswitch 0\n"
             "_ah 0\ncl_logocolor orange\nspeak_enabled 0\ncl_fixtimerate 7.5\n",
             "", ""},
            {"a setinfo key without a row of its own", "setinfo _vgui_menus 0", "", ""},
            {"crosshair values the game takes",
             "cl_crosshair_color \"255 0 0\"\ncl_crosshair_size small\ncl_crosshair_translucent 0\n"
             "cl_dynamiccrosshair \"1\"\n",
             "", ""},
            // Warnings.
            {"crosshair colour over 255", "cl_crosshair_color \"300 0 0\"", "1:w", "0 to 255"},
            {"crosshair colour unquoted", "\ncl_crosshair_color 255 0 0", "2:w", "first word"},
            {"crosshair size unknown", "cl_crosshair_size tiny", "1:w", "usage"},
            {"rate over its range", "rate 200000", "1:w", "1000 to 100000: clamped to 100000"},
            {"rate under its range", "rate 999", "1:w", "raised to 1000"},
            {"update rate over 102", "\ncl_updaterate \"150\"", "2:w", "clamped to 102"},
            {"fps below 20", "fps_max 19.5", "1:w", "raised to 20 in multiplayer"},
            {"fps 0 is no unlimited", "fps_override 1\nfps_max 0", "2:w", "raised to 20"},
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
            {"connect at start", "say hi\nconnect 1.2.3.4:27015", "2:w",
             "sends the game to a server"},
            {"retry at start", "RETRY", "1:w", "last server"},
            {"bound password", "bind p \"rcon_password s3cret\"", "1:w",
             "sets the server password"},
            {"alias showing the password", "alias pw rcon_password", "1:w", "shows"},
            {"bound exec, the folder unknown", "bind \"F5\" \"exec buy.cfg\"", "1:w",
             "exec buy.cfg"},
            // Notes.
            {"ignored", "r_mmx 1", "1:n", "does nothing"},
            {"overbright gone", "gl_overbright 0", "1:n", "does nothing"},
            {"left hand key", "setinfo \"LeftHand\" \"1\"", "1:n", "setinfo lefthand does nothing"},
            {"gun smoke flips", "gunsmoke", "1:n", "toggle"},
            {"hosted", "\nmp_freezetime 3", "2:n", "server you host"},
            {"unknown", "frobnicate 1", "1:n", "unknown"},
            {"a prefix alone is no command", "mp_ 1", "1:n", "unknown"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QByteArray(row.script) << QString::fromLatin1(row.expected)
                                    << QString::fromLatin1(row.said);
        // Errors.
        QTest::newRow("command over 1023 bytes: said once, the rest run")
            << QByteArray("\nsay " + QByteArray("x ").repeated(1500) + "\n") << u"2:e 2:n 2:n"_qs
            << u"1023"_qs;
        QTest::newRow("command of exactly 1023 bytes")
            << QByteArray("say " + QByteArray(1019, 'x')) << QString() << QString();
        QTest::newRow("a 1023-byte line ended with CR LF is not cut short")
            << QByteArray("echo " + QByteArray(1018, 'x') + "\r\n") << QString() << QString();
        QTest::newRow("a cut that swallows a setting")
            << QByteArray("echo \"" + QByteArray(1030, 'a') + "\";fps_max \"52\"")
            << u"1:e 1:w 1:w 1:n"_qs << u"1023"_qs;
        QTest::newRow("a NUL after a setting")
            << bytes("fps_max \"50\"\n\0\nfps_max \"99\"") << u"2:e"_qs << u"NUL"_qs;
        QTest::newRow("NUL byte first") << bytes("\0quit\n") << u"1:e"_qs << u"NUL"_qs;
        QTest::newRow("byte-order mark, the rest read as usual")
            << QByteArray("\xEF\xBB\xBFquit\nfps_max 5") << u"1:w 1:w 2:w"_qs << u"byte-order"_qs;
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

    // A bind's `exec` of the player's own file, in the cstrike folder the checked script belongs
    // to (or beside it, outside any game), is ordinary; of a file the player lacks, a downloaded
    // one or a name `exec` refuses, it stays a warning.
    void ownScripts_data()
    {
        QTest::addColumn<QString>("paths");  ///< made under a temporary folder; "x/" a folder
        QTest::addColumn<QString>("folder"); ///< of the checked script
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("expected");
        const struct
        {
            const char *name, *paths, *folder, *script, *expected;
        } rows[] = {
            {"own file", "cstrike/buy.cfg", "cstrike", "bind \"F5\" \"exec buy.cfg\"", ""},
            {"by an alias, from cstrike/cfg", "cstrike/buy.cfg", "cstrike/cfg",
             "alias b \"+jump;exec buy.cfg\"", ""},
            {"script downloaded", "cstrike/buy.cfg cstrike_downloads/", "cstrike_downloads",
             "bind k \"exec buy.cfg\"", ""},
            {"no game folder", "pro/cfg/BUY.RC", "pro", "bind k \"exec cfg/BUY.RC\"", ""},
            {"downloaded only", "cstrike/ cstrike_downloads/buy.cfg", "cstrike",
             "bind k \"exec buy.cfg\"", "1:w"},
            {"a folder", "cstrike/buy.cfg/", "cstrike", "bind k \"exec buy.cfg\"", "1:w"},
            {"out of the game", "buy.cfg cstrike/", "cstrike", "bind k \"exec ../buy.cfg\"", "1:w"},
            {"extension from the first dot", "cstrike/b.2.cfg", "cstrike",
             "bind k \"exec b.2.cfg\"", "1:w"},
            {"exec takes one name", "cstrike/buy.cfg", "cstrike", "bind k \"exec buy.cfg x\"",
             "1:w"},
            {"a planted command beside it", "cstrike/buy.cfg", "cstrike",
             "bind k \"exec buy.cfg; retry\"", "1:w"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name)
                << QString::fromLatin1(row.paths) << QString::fromLatin1(row.folder)
                << QByteArray(row.script) << QString::fromLatin1(row.expected);
    }

    void ownScripts()
    {
        QFETCH(QString, paths);
        QFETCH(QString, folder);
        QFETCH(QByteArray, script);
        QFETCH(QString, expected);
        QTemporaryDir game;
        for (const QString &path : paths.split(u' ')) {
            QVERIFY(QDir().mkpath(game.filePath(path.section(u'/', 0, -2))));
            QFile file(game.filePath(path));
            QVERIFY(path.endsWith(u'/') || file.open(QIODevice::WriteOnly));
        }
        const QList<Finding> findings = checkScript(script, game.filePath(folder));
        QCOMPARE(summary(findings), expected.split(u' ', Qt::SkipEmptyParts));
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
            {"| flips each time it runs |", GameStatus::Toggle},
            {"| works |", GameStatus::Works}};
        QSet<QByteArray> named;
        for (const QByteArray &line : readme.readAll().split('\n')) {
            for (const auto &[start, status] : kinds) {
                const QList<QByteArray> parts =
                    line.startsWith(start) ? line.split('`') : QList<QByteArray>();
                for (qsizetype i = 1; i < parts.size(); i += 2) {
                    const GameCommand *row = findGameCommand(parts[i]);
                    if (parts[i].contains(' ') && !(row && parts[i] == row->name))
                        continue; // "fps_override 1": a line, not a command
                    // "setinfo lefthand": a line the table knows by its key.
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
        QTest::newRow("archived") << u"cl_filterstuffcmd"_qs << QString();
        QTest::newRow("frame floor") << u"fps_max"_qs << u"до 20"_qs;
        QTest::newRow("toggle") << u"gunsmoke"_qs << u"переключатель"_qs;
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
