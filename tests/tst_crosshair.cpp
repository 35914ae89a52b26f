// What the preview draws: the crosshair's four lines as the game's client places them for each
// size at two resolutions, and how its spread moves frame by frame.
#include "config/crosshairdraw.h"

#include <QTest>

using namespace velmora;

Q_DECLARE_METATYPE(velmora::CrosshairSize)

namespace {

using Rects = std::array<QRect, 4>;

/// West, east, north and south lines of a crosshair at rest: one pixel thick, `length` long,
/// starting at the given offsets.
Rects lines(int westX, int eastX, int northY, int southY, QPoint centre, int length)
{
    return {QRect(westX, centre.y(), length, 1), QRect(eastX, centre.y(), length, 1),
            QRect(centre.x(), northY, 1, length), QRect(centre.x(), southY, 1, length)};
}

} // namespace

class TestCrosshair : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scaleBase_data()
    {
        QTest::addColumn<CrosshairSize>("size");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("base");
        QTest::newRow("auto at 640") << CrosshairSize::Auto << 640 << 640;
        QTest::newRow("auto at 641") << CrosshairSize::Auto << 641 << 800;
        QTest::newRow("auto at 1023") << CrosshairSize::Auto << 1023 << 800;
        QTest::newRow("auto at 1024") << CrosshairSize::Auto << 1024 << 640;
    }
    void scaleBase()
    {
        QFETCH(CrosshairSize, size);
        QFETCH(int, width);
        QFETCH(int, base);
        QCOMPARE(crosshairScaleBase(size, width), base);
    }

    void restingLines_data()
    {
        QTest::addColumn<CrosshairSize>("size");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<Rects>("rects");
        const QPoint mid800(400, 300);
        const QPoint mid1920(960, 540);
        // 800 × 600: auto is medium, drawn as made; the others scale by 800 / base.
        QTest::newRow("auto 800") << CrosshairSize::Auto << QSize(800, 600)
                                  << lines(392, 404, 292, 304, mid800, 5);
        QTest::newRow("small 800")
            << CrosshairSize::Small << QSize(800, 600) << lines(394, 403, 294, 303, mid800, 3);
        QTest::newRow("medium 800")
            << CrosshairSize::Medium << QSize(800, 600) << lines(392, 404, 292, 304, mid800, 5);
        QTest::newRow("large 800")
            << CrosshairSize::Large << QSize(800, 600) << lines(390, 405, 290, 305, mid800, 6);
        // 1920 × 1080: auto is large, three times the lines made for 640.
        QTest::newRow("auto 1920")
            << CrosshairSize::Auto << QSize(1920, 1080) << lines(934, 972, 514, 552, mid1920, 15);
        QTest::newRow("small 1920")
            << CrosshairSize::Small << QSize(1920, 1080) << lines(944, 967, 524, 547, mid1920, 9);
        QTest::newRow("medium 1920")
            << CrosshairSize::Medium << QSize(1920, 1080) << lines(939, 969, 519, 549, mid1920, 12);
        QTest::newRow("large 1920")
            << CrosshairSize::Large << QSize(1920, 1080) << lines(934, 972, 514, 552, mid1920, 15);
    }
    void restingLines()
    {
        QFETCH(CrosshairSize, size);
        QFETCH(QSize, screen);
        QFETCH(Rects, rects);
        const CrosshairSpread still(true);
        QCOMPARE(crosshairRects(size, screen, still.distance(), still.restDistance()), rects);
    }

    void spreadWithShotsAndStances_data()
    {
        QTest::addColumn<bool>("dynamic");
        QTest::addColumn<int>("stance");
        QTest::addColumn<int>("shots"); ///< in a row, one each frame
        QTest::addColumn<float>("distance");
        QTest::addColumn<int>("length"); ///< of a line at 800 × 600, medium: unscaled
        QTest::addColumn<int>("alpha");
        QTest::newRow("one shot") << true << int(Stance::Firing) << 1 << 8.f << 7 << 215;
        QTest::newRow("two shots") << true << int(Stance::Firing) << 2 << 12.f << 9 << 175;
        QTest::newRow("held at 15") << false << int(Stance::Firing) << 3 << 15.f << 10 << 135;
        QTest::newRow("faded to 120 at most")
            << false << int(Stance::Standing) << 4 << 15.f << 10 << 120;
        QTest::newRow("running, dynamic") << true << int(Stance::Running) << 0 << 6.f << 5 << 255;
        QTest::newRow("jumping, dynamic") << true << int(Stance::Jumping) << 0 << 8.f << 5 << 255;
        QTest::newRow("jumping, still") << false << int(Stance::Jumping) << 0 << 4.f << 5 << 255;
        QTest::newRow("a shot jumping grows from the jump's gap")
            << true << int(Stance::Jumping) << 1 << 12.f << 7 << 215;
    }
    void spreadWithShotsAndStances()
    {
        QFETCH(bool, dynamic);
        QFETCH(int, stance);
        QFETCH(int, shots);
        QFETCH(float, distance);
        QFETCH(int, length);
        QFETCH(int, alpha);
        CrosshairSpread spread(dynamic);
        spread.frame(Stance(stance), false);
        for (int i = 0; i < shots; ++i)
            spread.frame(Stance(stance), true);
        QCOMPARE(spread.distance(), distance);
        QCOMPARE(spread.alpha(), alpha);
        const Rects rects = crosshairRects(CrosshairSize::Medium, QSize(800, 600),
                                           spread.distance(), spread.restDistance());
        QCOMPARE(rects[0].width(), length);
        QCOMPARE(rects[3].height(), length);
    }

    void spreadSettlesBackAtRest()
    {
        CrosshairSpread spread(true);
        for (int i = 0; i < 3; ++i)
            spread.frame(Stance::Firing, true);
        for (int frame = 0; frame < 300; ++frame)
            spread.frame(Stance::Standing, false);
        QCOMPARE(spread.distance(), 4.f);
        QCOMPARE(spread.alpha(), 255);
    }
};

QTEST_APPLESS_MAIN(TestCrosshair)
#include "tst_crosshair.moc"
