#include "config/generator.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <limits>

using namespace velmora;

namespace {

// The lines each check box writes, as a player reads them in autoexec.cfg.
struct Row
{
    int box;
    QStringList checked;
    QStringList unchecked;
};

const QList<Row> &rows()
{
    static const QList<Row> table = {
        {1, {u"r_mmx \"1\""_qs}, {u"r_mmx \"0\""_qs}},
        {2, {u"r_decals \"1\""_qs}, {u"r_decals \"0\""_qs}},
        {3, {u"r_drawviewmodel \"1\""_qs}, {u"r_drawviewmodel \"0\""_qs}},
        {4, {u"sv_cheats \"1\""_qs}, {u"sv_cheats \"0\""_qs}},
        {5, {u"max_shells \"999999999\""_qs}, {u"max_shells \"0\""_qs}},
        {6, {u"omg itstoodark"_qs}, {}},
        {7, {u"joystick \"1\""_qs}, {u"joystick \"0\""_qs}},
        {8, {u"m_filter \"1\""_qs}, {u"m_filter \"0\""_qs}},
        {9, {u"s_a3d \"1\""_qs}, {u"s_a3d \"0\""_qs}},
        {10, {u"s_eax \"1\""_qs}, {u"s_eax \"0\""_qs}},
        {11, {u"net_graph \"1\""_qs}, {u"net_graph \"0\""_qs}},
        {12, {u"hud_fastswitch \"1\""_qs}, {u"hud_fastswitch \"0\""_qs}},
        {13, {u"gunsmoke"_qs}, {}},
        {14, {u"cl_allowdownload \"1\""_qs}, {u"cl_allowdownload \"0\""_qs}},
        {15, {u"cl_allowupload \"1\""_qs}, {u"cl_allowupload \"0\""_qs}},
        {16, {u"cl_download_ingame \"1\""_qs}, {u"cl_download_ingame \"0\""_qs}},
        {17, {u"cl_lc \"1\""_qs}, {u"cl_lc \"0\""_qs}},
        {18, {u"cl_lw \"1\""_qs}, {u"cl_lw \"0\""_qs}},
        {19, {u"omg itsnewyear"_qs}, {}},
        {20, {u"omg tronisback"_qs}, {}},
        {21, {u"mp_footsteps \"1\""_qs}, {u"mp_footsteps \"0\""_qs}},
        {22, {u"sv_contact \"player@example.org\""_qs}, {}},
        {23, {u"voice_loopback \"1\""_qs}, {}},
        {24, {u"voice_overdrive \"2\""_qs, u"voice_overdrivefadetime \"0.4\""_qs}, {}},
        {25, {u"voice_avggain \"0.3\""_qs}, {}},
        {26, {u"voice_fadeouttime \"0.1\""_qs}, {}},
        {27, {u"voice_maxgain \"3\""_qs}, {}},
        {28, {u"mp_autoteambalance \"1\""_qs}, {u"mp_autoteambalance \"0\""_qs}},
        {29, {u"drawradar"_qs}, {u"hideradar"_qs}},
        {30, {u"hud_centerid \"1\""_qs}, {u"hud_centerid \"0\""_qs}},
        {31, {u"hisound \"1\""_qs}, {u"hisound \"0\""_qs}},
        {32, {u"nosound \"0\""_qs}, {u"nosound \"1\""_qs}},
        {33, {u"cl_himodels \"1\""_qs}, {u"cl_himodels \"0\""_qs}},
        {34, {u"mp_startmoney \"800\""_qs}, {}},
        {35, {u"mp_friendlyfire \"1\""_qs}, {u"mp_friendlyfire \"0\""_qs}},
        {36, {u"voice_enable \"1\""_qs}, {u"voice_enable \"0\""_qs}},
        {37, {u"cl_righthand \"1\""_qs}, {u"setinfo lefthand \"1\""_qs}},
        {38, {u"setinfo \"_vgui_menus\"\"0\""_qs}, {u"setinfo \"_vgui_menus\"\"1\""_qs}},
        {39, {u"console \"1\""_qs, u"scr_conspeed \"999999999\""_qs}, {u"console \"0\""_qs}},
        {40, {u"crosshair \"1\""_qs}, {u"crosshair \"0\""_qs}},
        {41, {u"gl_overbright \"0\""_qs}, {u"gl_overbright \"1\""_qs}},
        {42, {u"hud_draw \"1\""_qs}, {u"hud_draw \"0\""_qs}},
        {43, {u"+mlook"_qs}, {u"-mlook"_qs}},
    };
    return table;
}

QStringList valueLines(const QString &latency, const QString &nick)
{
    return {u"cl_latency \"%1\""_qs.arg(latency),
            u"name \"%1\""_qs.arg(nick),
            u"mp_roundtime \"5\""_qs,
            u"mp_freezetime \"5\""_qs,
            u"cl_corpsestay \"600\""_qs,
            u"voice_scale \"1\""_qs,
            u"fps_max \"72\""_qs,
            u"net_graphpos \"1\""_qs,
            u"volume \"0.8\""_qs,
            u"cl_forwardspeed \"400\""_qs,
            u"cl_backspeed \"400\""_qs,
            u"sensitivity \"15\""_qs};
}

/// The lines of a run with CR LF removed; fails the test if any line lacks its CR LF.
QStringList run(const OptionSnapshot &options)
{
    QStringList lines;
    for (const QString &line : generateLines(options)) {
        if (!line.endsWith(u"\r\n"_qs) || line.count(u'\n') != 1)
            return {u"<line without a single CR LF end: %1>"_qs.arg(line)};
        lines << line.chopped(2);
    }
    return lines;
}

QStringList checkBlock(int box, int value)
{
    QStringList lines;
    for (const Row &row : rows()) {
        const int state = row.box == box ? value : 0;
        if (state == 1)
            lines << row.checked;
        else if (state == 0)
            lines << row.unchecked;
    }
    return lines;
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpState()
    {
        const QStringList lines = run(OptionSnapshot());
        QCOMPARE(lines.size(), 44);
        QCOMPARE(lines, valueLines(u"-0"_qs, u"Player"_qs) + checkBlock(0, 0));
        QCOMPARE(checkBlock(0, 0).size(), 32);
        QCOMPARE(generateText(OptionSnapshot()), generateLines(OptionSnapshot()).join(QString()));
    }

    void checkRow_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("value");
        for (const Row &row : rows()) {
            for (int value : {0, 1, 2}) {
                QTest::addRow("Check%d=%d", row.box, value) << row.box << value;
            }
        }
    }

    void checkRow()
    {
        QFETCH(int, box);
        QFETCH(int, value);
        OptionSnapshot options;
        options.check(box) = velmora::CheckValue(value);
        const QStringList lines = run(options);
        QCOMPARE(lines.mid(0, 12), valueLines(u"-0"_qs, u"Player"_qs));
        QCOMPARE(lines.mid(12), checkBlock(box, value));
    }

    void everyBoxChecked()
    {
        OptionSnapshot options;
        for (int n = 1; n <= kCheckCount; ++n)
            options.check(n) = velmora::CheckValue::Checked;
        const QStringList lines = run(options);
        QCOMPARE(lines.size(), 12 + 45);
        QStringList expected = valueLines(u"-0"_qs, u"Player"_qs);
        for (const Row &row : rows())
            expected << row.checked;
        QCOMPARE(lines, expected);
        const qsizetype overdrive = lines.indexOf(u"voice_overdrive \"2\""_qs);
        QCOMPARE(lines.value(overdrive + 1), u"voice_overdrivefadetime \"0.4\""_qs);
        const qsizetype console = lines.indexOf(u"console \"1\""_qs);
        QCOMPARE(lines.value(console + 1), u"scr_conspeed \"999999999\""_qs);
    }

    void everyBoxGrayedWritesOnlyValueLines()
    {
        OptionSnapshot options;
        for (int n = 1; n <= kCheckCount; ++n)
            options.check(n) = velmora::CheckValue::Grayed;
        QCOMPARE(run(options), valueLines(u"-0"_qs, u"Player"_qs));
    }

    void fieldsOfCheckRowsAreWrittenAsTyped()
    {
        OptionSnapshot options;
        options.check(22) = options.check(34) = options.check(39) = velmora::CheckValue::Checked;
        options.text(3) = QString();
        options.text(4) = QString();
        options.text(6) = u" 1 000 "_qs;
        const QStringList lines = run(options);
        QVERIFY(lines.contains(u"sv_contact \"\""_qs));
        QVERIFY(lines.contains(u"mp_startmoney \" 1 000 \""_qs));
        QVERIFY(lines.contains(u"scr_conspeed \"\""_qs));
    }

    void podPlaysNoPart()
    {
        OptionSnapshot options;
        options.check(6) = velmora::CheckValue::Checked;
        options.check(velmora::kPodBox) = velmora::CheckValue::Unchecked;
        const QStringList hidden = run(options);
        options.check(velmora::kPodBox) = velmora::CheckValue::Checked;
        QCOMPARE(run(options), hidden);
        QVERIFY(hidden.contains(u"omg itstoodark"_qs));
    }

    void valuesAreInsertedUnchanged()
    {
        OptionSnapshot options;
        options.text(5) = u"Ник \"Sniper\"; quit"_qs;
        options.text(7) = QString();
        options.text(11) = u"0,5"_qs;
        options.slider(1) = 10;
        options.slider(2) = 200;
        options.slider(3) = 1;
        options.slider(4) = 500;
        options.slider(5) = 20;
        const QStringList lines = run(options);
        QCOMPARE(
            lines.mid(1, 11),
            (QStringList{u"name \"Ник \"Sniper\"; quit\""_qs, u"mp_roundtime \"\""_qs,
                         u"mp_freezetime \"5\""_qs, u"cl_corpsestay \"600\""_qs,
                         u"voice_scale \"10\""_qs, u"fps_max \"200\""_qs, u"net_graphpos \"1\""_qs,
                         // The game reads "0,5" as 0: the volume's comma becomes a point.
                         u"volume \"0.5\""_qs, u"cl_forwardspeed \"1\""_qs,
                         u"cl_backspeed \"500\""_qs, u"sensitivity \"20\""_qs}));
    }

    void volumeCommaIsWrittenAsAPoint_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("comma") << u"0,5"_qs << u"0.5"_qs;
        QTest::newRow("point") << u"0.8"_qs << u"0.8"_qs;
        QTest::newRow("whole") << u"100"_qs << u"100"_qs;
        QTest::newRow("two commas") << u"1,,"_qs << u"1.."_qs;
    }
    void volumeCommaIsWrittenAsAPoint()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        OptionSnapshot options;
        options.text(11) = typed;
        const QStringList lines = run(options);
        QCOMPARE(lines.filter(u"volume "_qs), QStringList{u"volume \""_qs + written + u'"'});
        // Nothing else moves.
        OptionSnapshot plain;
        plain.text(11) = written;
        QCOMPARE(lines, run(plain));
    }

    void connectionPreset_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QStringList>("expected");
        auto preset = [](const char *rate, const char *update, const char *cmd) {
            return QStringList{u"rate \"%1\""_qs.arg(QLatin1String(rate)),
                               u"cl_updaterate \"%1\""_qs.arg(QLatin1String(update)),
                               u"cl_cmdrate \"%1\""_qs.arg(QLatin1String(cmd))};
        };
        QTest::newRow("LAN") << u"LAN (10Mbps или 100 Mbps)"_qs << preset("20000", "30", "40");
        QTest::newRow("xDSL") << u"xDSL/T1 и выше"_qs << preset("10000", "30", "40");
        QTest::newRow("ISDN") << u"Двухканальный ISDN"_qs << preset("6000", "30", "40");
        QTest::newRow("cable") << u"Кабельное соединение"_qs << preset("8500", "30", "40");
        QTest::newRow("14400") << u"Модем 14400 бот"_qs << preset("1000", "10", "15");
        QTest::newRow("28800") << u"Модем 28800 бот"_qs << preset("2500", "15", "20");
        QTest::newRow("33600") << u"Модем 33600 бот"_qs << preset("3000", "17", "25");
        QTest::newRow("56000") << u"Модем 56000 бот"_qs << preset("4100", "20", "30");
        QTest::newRow("nothing chosen") << QString() << QStringList();
        QTest::newRow("other case") << u"lan (10mbps или 100 mbps)"_qs << QStringList();
        QTest::newRow("trailing blank") << u"LAN (10Mbps или 100 Mbps) "_qs << QStringList();
        QTest::newRow("leading blank") << u" Кабельное соединение"_qs << QStringList();
        QTest::newRow("typed text") << u"Оптоволокно"_qs << QStringList();
    }

    void connectionPreset()
    {
        QFETCH(QString, combo);
        QFETCH(QStringList, expected);
        OptionSnapshot options;
        options.combo1 = combo;
        const QStringList lines = run(options);
        QCOMPARE(lines.size(), 44 + expected.size());
        QCOMPARE(lines.mid(0, expected.size()), expected);
        QCOMPARE(lines.mid(expected.size()), run(OptionSnapshot()));
    }

    void latencyLine_data()
    {
        QTest::addColumn<QString>("lowest");
        QTest::addColumn<QString>("highest");
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << QString() << QString() << u"cl_latency \"-0\""_qs;
        QTest::newRow("40 60") << u"40"_qs << u"60"_qs << u"cl_latency \"-37.5\""_qs;
        QTest::newRow("100 100") << u"100"_qs << u"100"_qs << u"cl_latency \"-75\""_qs;
        QTest::newRow("1 0") << u"1"_qs << u"0"_qs << u"cl_latency \"-0.375\""_qs;
        QTest::newRow("odd") << u"41"_qs << u"60"_qs << u"cl_latency \"-37.875\""_qs;
        QTest::newRow("blanks anywhere")
            << u" 4 0"_qs << u"6\t0\n"_qs << u"cl_latency \"-37.5\""_qs;
        QTest::newRow("stops at a letter")
            << u"12abc3"_qs << QString() << u"cl_latency \"-4.5\""_qs;
        QTest::newRow("stops at a comma") << u"40,5"_qs << u"60"_qs << u"cl_latency \"-37.5\""_qs;
        QTest::newRow("CR is no blank") << u"4\r0"_qs << u"0"_qs << u"cl_latency \"-1.5\""_qs;
        QTest::newRow("point") << u"40.5"_qs << u"59.5"_qs << u"cl_latency \"-37.5\""_qs;
        QTest::newRow("second point stops")
            << u"1.5.5"_qs << u"0"_qs << u"cl_latency \"-0.5625\""_qs;
        QTest::newRow("only dots") << u"..."_qs << u"."_qs << u"cl_latency \"-0\""_qs;
        QTest::newRow("no number") << u"abc"_qs << u"-"_qs << u"cl_latency \"-0\""_qs;
        QTest::newRow("thirds") << u"1"_qs << u"1"_qs << u"cl_latency \"-0.75\""_qs;
        QTest::newRow("15 digits") << u"1"_qs << u"2"_qs << u"cl_latency \"-1.125\""_qs;
        QTest::newRow("rounded to 15 digits")
            << u"0.1"_qs << u"0.2"_qs << u"cl_latency \"-0.1125\""_qs;
        QTest::newRow("below 1E+15") << u"1000000000000000"_qs << u"1000000000000000"_qs
                                     << u"cl_latency \"-750000000000000\""_qs;
        QTest::newRow("from 1E+15 on")
            << u"2000000000000000"_qs << u"2000000000000000"_qs << u"cl_latency \"-1.5E+15\""_qs;
        QTest::newRow("many digits")
            << u"123456789012345678901"_qs << u"0"_qs << u"cl_latency \"-4.62962958796296E+19\""_qs;
        QTest::newRow("tiny") << u"0.0001"_qs << u"0"_qs << u"cl_latency \"-3.75E-05\""_qs;
        QTest::newRow("negative") << u"-40"_qs << u"-60"_qs << u"cl_latency \"--37.5\""_qs;
        QTest::newRow("exponent") << u"1e3"_qs << u"0"_qs << u"cl_latency \"-375\""_qs;
        QTest::newRow("line feed inside") << u"4\n0"_qs << u"0"_qs << u"cl_latency \"-15\""_qs;
        QTest::newRow("exponent D") << u"1D2"_qs << u"0"_qs << u"cl_latency \"-37.5\""_qs;
        QTest::newRow("negative exponent") << u"4e-1"_qs << u"0"_qs << u"cl_latency \"-0.15\""_qs;
        QTest::newRow("exponent without digits") << u"8e"_qs << u"0"_qs << u"cl_latency \"-3\""_qs;
        const QString huge = u"9"_qs.repeated(400);
        QTest::newRow("400 digits")
            << huge << u"0"_qs << u"cl_latency \"-6.74134925573368E+307\""_qs;
        QTest::newRow("two of 400 digits")
            << huge << huge << u"cl_latency \"-1.34826985114674E+308\""_qs;
        QTest::newRow("400 digits below zero")
            << u"0."_qs + u"0"_qs.repeated(400) + u"1"_qs << u"0"_qs << u"cl_latency \"-0\""_qs;
    }

    void latencyLine()
    {
        QFETCH(QString, lowest);
        QFETCH(QString, highest);
        QFETCH(QString, line);
        OptionSnapshot options;
        options.text(1) = lowest;
        options.text(2) = highest;
        QCOMPARE(run(options).first(), line);
    }

    void latencyIgnoresTheLocale()
    {
        // The game reads "-37,5" as -37: the point must stay whatever the player's settings.
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        const char *cLocale = std::setlocale(LC_ALL, "ru_RU.UTF-8");
        OptionSnapshot options;
        options.text(1) = u"40"_qs;
        options.text(2) = u"60"_qs;
        const QString line = run(options).first();
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(previous);
        QCOMPARE(line, u"cl_latency \"-37.5\""_qs);
        if (!cLocale)
            qInfo("ru_RU.UTF-8 is not installed; only Qt's default locale was Russian");
    }

    void formatNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << u"0"_qs;
        QTest::newRow("negative zero") << -0.0 << u"0"_qs;
        QTest::newRow("third") << 1.0 / 3 << u"0.333333333333333"_qs;
        QTest::newRow("two thirds") << 2.0 / 3 << u"0.666666666666667"_qs;
        QTest::newRow("largest fixed") << 999999999999999.0 << u"999999999999999"_qs;
        QTest::newRow("rounds up to 1E+15") << 999999999999999.9 << u"1E+15"_qs;
        QTest::newRow("1E+100") << 1e100 << u"1E+100"_qs;
        QTest::newRow("1E-04 stays fixed") << 1e-4 << u"0.0001"_qs;
        QTest::newRow("below 1E-04") << 1.5e-5 << u"1.5E-05"_qs;
        QTest::newRow("negative") << -2.5 << u"-2.5"_qs;
        QTest::newRow("largest double")
            << std::numeric_limits<double>::max() << u"1.79769313486232E+308"_qs;
        QTest::newRow("infinity never written")
            << std::numeric_limits<double>::infinity() << u"0"_qs;
    }

    void formatNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(numberText(value), text);
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
