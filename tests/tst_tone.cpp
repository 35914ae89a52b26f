#include "ui/tone.h"

#include <QApplication>
#include <QLibrary>
#include <QTest>
#include <QtEndian>

using velmora::ui::Tone;

class TestTone : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Tone::setPlayer({});
        Tone::resetCount();
    }

    void refusalIs800HertzFor90Milliseconds()
    {
        QList<QPair<int, int>> played;
        Tone::setPlayer([&](int hz, int ms) { played.append({hz, ms}); });
        Tone::refuse();
        Tone::refuse();
        QCOMPARE(Tone::count(), 2);
        QCOMPARE(played, (QList<QPair<int, int>>{{800, 90}, {800, 90}}));
        Tone::resetCount();
        QCOMPARE(Tone::count(), 0);
    }

    void samplesHoldTheToneForItsDuration_data()
    {
        QTest::addColumn<int>("hz");
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("rate");
        QTest::newRow("refusal at 44.1 kHz") << 800 << 90 << 44100;
        QTest::newRow("refusal at 48 kHz") << 800 << 90 << 48000;
        QTest::newRow("other pitch") << 440 << 250 << 22050;
    }
    void samplesHoldTheToneForItsDuration()
    {
        QFETCH(int, hz);
        QFETCH(int, ms);
        QFETCH(int, rate);
        const QByteArray data = Tone::samples(hz, ms, rate);
        const qsizetype frames = qsizetype(rate) * ms / 1000;
        QCOMPARE(data.size(), frames * 2);

        // Count the upward zero crossings: one per period of the tone.
        const auto *p = reinterpret_cast<const uchar *>(data.constData());
        int crossings = 0;
        qint16 previous = qFromLittleEndian<qint16>(p);
        qint16 peak = 0;
        for (qsizetype i = 1; i < frames; ++i) {
            const qint16 s = qFromLittleEndian<qint16>(p + 2 * i);
            if (previous < 0 && s >= 0)
                ++crossings;
            previous = s;
            peak = qMax<qint16>(peak, qAbs(s));
        }
        const int periods = hz * ms / 1000;
        QVERIFY2(
            qAbs(crossings - periods) <= 1,
            qPrintable(QStringLiteral("%1 crossings for %2 periods").arg(crossings).arg(periods)));
        QVERIFY(peak > 8000); // audible, not silence

        // Faded at both ends, so the speaker does not click.
        QVERIFY(qAbs(qFromLittleEndian<qint16>(p)) < 100);
        QVERIFY(qAbs(qFromLittleEndian<qint16>(p + 2 * (frames - 1))) < 100);
    }

    void systemToneReturnsWithoutWaitingForTheSound()
    {
        // Whatever the machine offers (an audio device, or only the bell), playing comes back at
        // once and is counted; a hang would stop this test.
        Tone::refuse();
        QCOMPARE(Tone::count(), 1);
        QTest::qWait(150); // let a playing sink finish and clean up
    }

    void audioModulePlaysWithoutWaiting()
    {
#ifdef VELMORA_TONE_MODULE
        // The module the program loads on the first refused key: it must export its player, and
        // the player must come back, with or without an audio device (a hang stops the test).
        QLibrary module(QStringLiteral(VELMORA_TONE_MODULE));
        using PlayToneFunction = bool (*)(const char *, qint64, int);
        const auto play = reinterpret_cast<PlayToneFunction>(module.resolve("velmoraPlayTone"));
        QVERIFY2(play, qPrintable(module.errorString()));
        const QByteArray samples = Tone::samples(800, 90, 44100);
        play(samples.constData(), samples.size(), 44100);
        QTest::qWait(150); // let a playing sink finish and clean up
#else
        QSKIP("built without Qt Multimedia: the tone is the system's bell");
#endif
    }
};

QTEST_MAIN(TestTone)
#include "tst_tone.moc"
