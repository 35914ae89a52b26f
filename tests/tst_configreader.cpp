// Reading a config back into the controls: generating from what was read must give the same
// bytes, and hand-written configs put into the controls only what their lines say.
#include "config/assignments.h"
#include "config/configreader.h"
#include "config/consolevalue.h"
#include "config/generator.h"
#include "config/linetable.h"
#include "console/crosshair.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace velmora;

Q_DECLARE_METATYPE(velmora::CrosshairSettings)

namespace {

QString randomText(QRandomGenerator &random, QStringView alphabet, int maxLength)
{
    QString text;
    for (int n = random.bounded(maxLength + 1); n > 0; --n)
        text += alphabet.at(random.bounded(int(alphabet.size())));
    return text;
}

/// A mix a player could make in the window: digits where the fields take digits only, within
/// their limits; `wild` adds what only the command line can give (long times, signed and
/// fractional pings, any typed connection type).
OptionSnapshot randomOptions(QRandomGenerator &random, bool wild)
{
    const QString digits = u"0123456789"_qs;
    const QString anything = u"0123456789 aZ;:{}()'/.,-+Ы\tß€"_qs;
    OptionSnapshot options;
    const auto items = connectionTypeItems();
    const int pick = random.bounded(int(items.size()) + 2);
    if (pick < int(items.size()))
        options.combo1 = QString::fromUtf8(items[pick]);
    else if (pick == int(items.size()))
        options.combo1 = randomText(random, anything, 8);
    const int limits[] = {12, 12, 12, 40, 15, 6, 1, 1, 3, 1, 3};
    for (int n = 1; n <= kTextCount; ++n) {
        const bool free = n == 4 || n == 5 || (wild && n != 11);
        options.text(n) = randomText(random, free ? anything : digits, wild ? 20 : limits[n - 1]);
    }
    options.text(11) = randomText(random, digits, 2); // and a point or a comma, or none
    if (const int at = random.bounded(int(options.text(11).size()) + 2);
        at <= options.text(11).size())
        options.text(11).insert(at, at % 2 ? u'.' : u',');
    if (wild && random.bounded(2))
        options.text(1) = u"-"_qs + options.text(1) + u".5e2"_qs;
    for (int n = 1; n <= kSliderCount; ++n)
        options.slider(n) = random.bounded(sliderRange(n).min, sliderRange(n).max + 1);
    for (int n = 1; n <= kCheckCount; ++n)
        options.check(n) = CheckValue(random.bounded(3));
    return options;
}

QStringList withoutGrayed(const QStringList &assignments)
{
    static const QRegularExpression grayed(u"^Check\\d+=2$"_qs);
    QStringList out;
    for (const QString &assignment : assignments) {
        if (!grayed.match(assignment).hasMatch())
            out << assignment;
    }
    return out;
}

} // namespace

class TestConfigReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void generatedTextComesBackByteForByte_data()
    {
        QTest::addColumn<ReadRules>("rules");
        QTest::addColumn<bool>("wild");
        QTest::newRow("window") << ReadRules::Window << false;
        QTest::newRow("command line, window mixes") << ReadRules::CommandLine << false;
        QTest::newRow("command line, wild mixes") << ReadRules::CommandLine << true;
    }

    void generatedTextComesBackByteForByte()
    {
        QFETCH(ReadRules, rules);
        QFETCH(bool, wild);
        QRandomGenerator random(20261207);
        for (int i = 0; i < 300; ++i) {
            OptionSnapshot options = randomOptions(random, wild);
            while (!unsafeValue(options).isEmpty()) // what --print-config refuses
                options = randomOptions(random, wild);
            const QString text = generateText(options);
            const ConfigReading reading = readConfig(text, rules);
            QCOMPARE(generateText(reading.options), text);
            QCOMPARE(reading.otherLines, QStringList());
            QCOMPARE(reading.intoControls, int(text.count(u'\n')));
        }
    }

    void handWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ReadRules>("rules");
        QTest::addColumn<QStringList>("assignments"); // grayed check boxes left out
        QTest::addColumn<int>("grayed");
        QTest::addColumn<QStringList>("otherLines");
        QTest::addColumn<int>("intoControls");
        const auto window = ReadRules::Window;

        QTest::newRow("comments, semicolons, letter case, unquoted values")
            << u"// mine\r\nR_MMX 1 // on\r\nFps_Max 100; bind w +forward\r\n\r\nname \"A B\""_qs
            << window << QStringList{u"Text5=A B"_qs, u"Slider2=100"_qs, u"Check1=1"_qs} << 31
            << QStringList{u"// mine"_qs, u"// on"_qs, u"bind w +forward"_qs, QString()} << 1;
        QTest::newRow("the last setting wins; a number in another form")
            << u"hud_draw 1\nHUD_DRAW \"0\"\nsensitivity 3.0\nsensitivity 4\n"_qs << window
            << QStringList{u"Slider5=4"_qs} << 31 << QStringList() << 4;
        QTest::newRow("values no control holds stay in the box; a comma is a word of its own")
            << u"fps_max 500\nr_mmx 2\nvolume 0,5\nmp_roundtime 12\nname \"a\\b\"\n"
               u"cl_righthand \"0\"\nvoice_loopback 0\n"_qs
            << window << QStringList{u"Text11=0"_qs} << 32
            << QStringList{u"fps_max 500"_qs,        u"r_mmx 2"_qs,
                           u"mp_roundtime 12"_qs,    u"name \"a\\b\""_qs,
                           u"cl_righthand \"0\""_qs, u"voice_loopback 0"_qs}
            << 1;
        QTest::newRow("a nick past 31 bytes, a number with letters after it")
            << u"name \"ABCDEFGHIJKLMNOPQRSTUVWXYZ______\"\nsensitivity 5x\n"_qs << window
            << QStringList() << 32
            << QStringList{u"name \"ABCDEFGHIJKLMNOPQRSTUVWXYZ______\""_qs, u"sensitivity 5x"_qs}
            << 0;
        QTest::newRow("digits of another script stay in the box")
            << u"mp_freezetime \"\u0663\"\n"_qs << window << QStringList() << 32
            << QStringList{u"mp_freezetime \"\u0663\""_qs} << 0;
        QTest::newRow("the command line takes what the fields refuse")
            << u"mp_roundtime 12\ncl_latency \"-0.3\"\n"_qs << ReadRules::CommandLine
            << QStringList{u"Text1=0.4"_qs, u"Text2=0.4"_qs, u"Text7=12"_qs} << 32 << QStringList()
            << 2;
        QTest::newRow("binds and aliases keep their quoted commands")
            << u"bind \"F1\" \"r_mmx 1; fps_max 50\"\nalias +x \"+attack; wait\"\n"_qs << window
            << QStringList() << 32
            << QStringList{u"bind \"F1\" \"r_mmx 1; fps_max 50\""_qs,
                           u"alias +x \"+attack; wait\""_qs}
            << 0;
        QTest::newRow("a connection preset and the pings")
            << u"rate 8500\ncl_updaterate 30\ncl_cmdrate \"40\"\ncl_latency -37.5\n"_qs << window
            << QStringList{u"Combo1=Кабельное соединение"_qs, u"Text1=50"_qs, u"Text2=50"_qs} << 32
            << QStringList() << 4;
        QTest::newRow("rates that are no preset")
            << u"rate 25000\ncl_updaterate 30\ncl_cmdrate 40\n"_qs << window << QStringList() << 32
            << QStringList{u"rate 25000"_qs, u"cl_updaterate 30"_qs, u"cl_cmdrate 40"_qs} << 0;
        QTest::newRow("a state of two lines needs both")
            << u"console 1\nscr_conspeed 500\nvoice_overdrive 2\n"_qs << window
            << QStringList{u"Text3=500"_qs, u"Check39=1"_qs} << 31
            << QStringList{u"voice_overdrive 2"_qs} << 2;
        QTest::newRow("both states of a box: the later one")
            << u"drawradar\nhideradar\n+mlook\nsetinfo _VGUI_MENUS 0\nsetinfo lefthand 1\n"_qs
            << window << QStringList{u"Check38=1"_qs, u"Check43=1"_qs} << 28
            << QStringList{u"drawradar"_qs} << 4;
        // What the game runs and what it never sees.
        QTest::newRow("a NUL ends the script")
            << u"fps_max \"50\"\n\0\nfps_max \"99\"\n"_qs << window << QStringList{u"Slider2=50"_qs}
            << 32 << QStringList() << 1;
        const QString swallowed = u"echo \""_qs + QString(1030, u'a') + u"\";fps_max \"52\""_qs;
        QTest::newRow("a setting swallowed by the cut at 1023 bytes")
            << swallowed << window << QStringList() << 32 << QStringList{swallowed} << 0;
        QTest::newRow("a lone CR ends no line: the first argument counts")
            << u"fps_max \"51\"\rsensitivity \"7\"\r"_qs << window << QStringList{u"Slider2=51"_qs}
            << 32 << QStringList() << 1;
        QTest::newRow("a variable takes its first argument")
            << u"fps_max 54 55\nsetinfo lefthand 1 2\n"_qs << window
            << QStringList{u"Slider2=54"_qs} << 32 << QStringList{u"setinfo lefthand 1 2"_qs} << 1;
        QTest::newRow("1023 bytes and CR LF: only the CR is cut off")
            << u"fps_max 53 "_qs + QString(1012, u'x') + u"\r\n"_qs << window
            << QStringList{u"Slider2=53"_qs} << 32 << QStringList() << 1;
        QTest::newRow("a line taken in part")
            << u"r_mmx 1; bind q quit\ngunsmoke;omg itsnewyear"_qs << window
            << QStringList{u"Check1=1"_qs, u"Check13=1"_qs, u"Check19=1"_qs} << 31
            << QStringList{u"bind q quit"_qs} << 1;
        QTest::newRow("the line break Save writes after the box")
            << u"bind a b\r\nfps_max 100\r\n\r\n"_qs << window << QStringList{u"Slider2=100"_qs}
            << 32 << QStringList{u"bind a b"_qs} << 1;
        QTest::newRow("volume and NetGraph position take numbers only")
            << u"net_graphpos x\nvolume \"a;b\"\nnet_graphpos 2 // left\n"_qs << window
            << QStringList{u"Text10=2"_qs} << 32 << QStringList{u"volume \"a;b\""_qs, u"// left"_qs}
            << 1;
    }

    void handWritten()
    {
        QFETCH(QString, text);
        QFETCH(ReadRules, rules);
        QFETCH(QStringList, assignments);
        QFETCH(int, grayed);
        QFETCH(QStringList, otherLines);
        QFETCH(int, intoControls);
        const ConfigReading reading = readConfig(text, rules);
        const QStringList all = assignmentsFor(reading.options);
        QCOMPARE(withoutGrayed(all), assignments);
        QCOMPARE(all.size() - assignments.size(), grayed);
        QCOMPARE(reading.otherLines, otherLines);
        QCOMPARE(reading.intoControls, intoControls);
    }

    // --- The crosshair's four settings -------------------------------------------------------

    void crosshairLinesComeBack_data()
    {
        QTest::addColumn<CrosshairSettings>("settings");
        QTest::addColumn<QString>("lines");
        QTest::newRow("the game's start values")
            << CrosshairSettings{}
            << u"cl_crosshair_color \"50 250 50\"\r\ncl_crosshair_size \"auto\"\r\n"
               "cl_crosshair_translucent \"1\"\r\ncl_dynamiccrosshair \"1\"\r\n"_qs;
        QTest::newRow("every setting changed")
            << CrosshairSettings{{0, 255, 7}, CrosshairSize::Small, false, false}
            << u"cl_crosshair_color \"0 255 7\"\r\ncl_crosshair_size \"small\"\r\n"
               "cl_crosshair_translucent \"0\"\r\ncl_dynamiccrosshair \"0\"\r\n"_qs;
    }
    void crosshairLinesComeBack()
    {
        QFETCH(CrosshairSettings, settings);
        QFETCH(QString, lines);
        QCOMPARE(crosshairLines(settings), lines);
        const CrosshairReading reading = readCrosshair(lines);
        QVERIFY(reading.settings == settings);
        QCOMPARE(reading.set, (std::array<bool, 4>{true, true, true, true}));
        QCOMPARE(reading.problems, QStringList());
        // The other settings' lines are no concern of the crosshair's, nor its of theirs.
        QCOMPARE(readConfig(lines).intoControls, 0);
    }

    // Values as the game's client takes them; `problems` counts the ones it takes otherwise than
    // written.
    void crosshairValuesAsTheGameReadsThem_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("assignments"); ///< crosshairAssignments joined by '|'
        QTest::addColumn<int>("problems");
        const struct
        {
            const char *name, *script, *assignments;
            int problems;
        } rows[] = {
            {"nothing set", "crosshair 1\nbind c \"cl_crosshair_size large\"", "", 0},
            {"names in any case, the last wins",
             "CL_CROSSHAIR_SIZE Large\ncl_crosshair_size \"medium\"", "cl_crosshair_size=medium",
             0},
            {"a name alone prints the value", "cl_crosshair_size", "", 0},
            {"size by number", "cl_crosshair_size 1", "cl_crosshair_size=small", 0},
            {"size 3 is large", "cl_crosshair_size 3", "cl_crosshair_size=large", 0},
            {"size 4 is refused", "cl_crosshair_size 4", "", 1},
            {"size -1 is refused", "cl_crosshair_size -1", "", 1},
            {"another negative draws large", "cl_crosshair_size -2", "cl_crosshair_size=large", 1},
            {"an unknown name is refused", "cl_crosshair_size tiny", "", 1},
            {"colour at its ends", "cl_crosshair_color \"0 255 0\"", "cl_crosshair_color=0 255 0",
             0},
            {"colour held within 0 to 255", "cl_crosshair_color \"256 -1 9\"",
             "cl_crosshair_color=255 0 9", 1},
            {"colour unquoted takes its first word", "cl_crosshair_color 255 0 0",
             "cl_crosshair_color=255 250 50", 2},
            {"colour with commas", "cl_crosshair_color \"10,20,30\"",
             "cl_crosshair_color=10 250 50", 1},
            {"colour with no number", "cl_crosshair_color red", "", 1},
            {"colour of two numbers", "cl_crosshair_color \"255 0\"", "cl_crosshair_color=255 0 50",
             1},
            {"a second word is no part of the value", "cl_crosshair_size small 1",
             "cl_crosshair_size=small", 1},
            {"translucency 0 and 1", "cl_crosshair_translucent 0", "cl_crosshair_translucent=0", 0},
            {"translucency 2 set back to 1", "cl_crosshair_translucent 2",
             "cl_crosshair_translucent=1", 1},
            {"translucency as a word reads 0", "cl_crosshair_translucent on",
             "cl_crosshair_translucent=0", 1},
            {"dynamic 0.0 is off", "cl_dynamiccrosshair 0.0", "cl_dynamiccrosshair=0", 0},
            {"dynamic 5 is on", "cl_dynamiccrosshair 5", "cl_dynamiccrosshair=1", 1},
            {"all four, ; and a comment",
             "cl_dynamiccrosshair 0; cl_crosshair_translucent 0 // solid\n"
             "cl_crosshair_color \"50 50 250\"; cl_crosshair_size small",
             "cl_crosshair_color=50 50 250|cl_crosshair_size=small|cl_crosshair_translucent=0|"
             "cl_dynamiccrosshair=0",
             0},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.script)
                                    << QString::fromLatin1(row.assignments) << row.problems;
    }
    void crosshairValuesAsTheGameReadsThem()
    {
        QFETCH(QString, script);
        QFETCH(QString, assignments);
        QFETCH(int, problems);
        const CrosshairReading reading = readCrosshair(script);
        QCOMPARE(crosshairAssignments(reading).join(u'|'), assignments);
        QCOMPARE(reading.problems.size(), problems);
    }

    void crosshairLinesReplaceTheEarlierOnes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("after"); ///< "#" stands for the four lines
        QTest::newRow("empty box") << QString() << u"#"_qs;
        QTest::newRow("appended after a last line without a line feed")
            << u"bind a b"_qs << u"bind a b\n#"_qs;
        QTest::newRow("in place of the first, the others gone")
            << u"bind a b\ncl_crosshair_size small\nfps_max 99\nCL_DYNAMICCROSSHAIR 0\nr_mmx 1\n"_qs
            << u"bind a b\n#fps_max 99\nr_mmx 1\n"_qs;
        QTest::newRow("a line's other commands stay")
            << u"fps_max 99; cl_crosshair_color \"1 2 3\"; sensitivity 2\n"_qs
            << u"fps_max 99; sensitivity 2\n#"_qs;
        QTest::newRow("binds that set them are no settings")
            << u"bind c \"cl_crosshair_size large\"\n"_qs
            << u"bind c \"cl_crosshair_size large\"\n#"_qs;
        QTest::newRow("a last line without a line feed stays so")
            << u"cl_crosshair_size small\nbind a b"_qs << u"#bind a b"_qs;
    }
    void crosshairLinesReplaceTheEarlierOnes()
    {
        QFETCH(QString, box);
        QFETCH(QString, after);
        const CrosshairSettings settings{{1, 2, 3}, CrosshairSize::Medium, false, true};
        const QString lines = crosshairLines(settings).replace(u"\r\n"_qs, u"\n"_qs);
        const QString replaced = replaceCrosshairLines(box, settings);
        QCOMPARE(replaced, QString(after).replace(u'#', lines));
        // Each setting stands once, and the box reads back as written.
        QCOMPARE(replaced.count(u"cl_crosshair_size"_qs), 1 + box.count(u"bind c"_qs));
        QVERIFY(readCrosshair(replaced).settings == settings);
    }
};

QTEST_APPLESS_MAIN(TestConfigReader)
#include "tst_configreader.moc"
