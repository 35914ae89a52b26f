#include "windows/crosshairpreview.h"

#include <QPainter>

namespace velmora {

namespace {

// The two backgrounds: a mid-grey wall and a sunlit one, where a translucent crosshair, which
// adds its colour to the picture, nearly disappears.
const QColor kGrey(128, 128, 128);
const QColor kBright(235, 232, 215);

// Two client frames (100 a second) every 20 ms.
constexpr int kTick = 20;
constexpr int kFramesPerTick = 2;

} // namespace

CrosshairPreview::CrosshairPreview(bool moving, QWidget *parent)
    : QWidget(parent)
    , m_moving(moving)
{
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(kTick);
    connect(&m_timer, &QTimer::timeout, this, &CrosshairPreview::step);
    // The sides are device pixels: on a scaled screen the widget is smaller in its own units.
    const qreal ratio = devicePixelRatioF();
    setFixedSize(qCeil(2 * kSide / ratio), qCeil(kSide / ratio));
}

void CrosshairPreview::setSettings(const CrosshairSettings &settings)
{
    if (settings.dynamic != m_settings.dynamic || !m_moving)
        m_spread = CrosshairSpread(settings.dynamic);
    m_settings = settings;
    update();
}

void CrosshairPreview::setResolution(QSize screen)
{
    m_screen = screen;
    update();
}

void CrosshairPreview::step()
{
    const Stance before = stance();
    for (int i = 0; i < kFramesPerTick; ++i) {
        m_frame = (m_frame + 1) % CrosshairMotion::kFrames;
        m_spread.frame(stance(), CrosshairMotion::shotAt(m_frame));
    }
    if (stance() != before)
        Q_EMIT stanceChanged(stance());
    update();
}

void CrosshairPreview::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_moving)
        m_timer.start();
}

void CrosshairPreview::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}

void CrosshairPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Drawn in device pixels, so one pixel of the game is one pixel of the screen.
    const qreal ratio = devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    const auto rects =
        crosshairRects(m_settings.size, m_screen, m_spread.distance(), m_spread.restDistance());
    const CrosshairColour c = m_settings.colour;
    const QColor colour(c.red, c.green, c.blue, m_spread.alpha());
    int left = 0;
    for (const QColor &background : {kGrey, kBright}) {
        const QRect side(left, 0, kSide, kSide);
        painter.setClipRect(side);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.fillRect(side, background);
        // The client adds a translucent crosshair to the picture and blends a solid one over it.
        painter.setCompositionMode(m_settings.translucent ? QPainter::CompositionMode_Plus
                                                          : QPainter::CompositionMode_SourceOver);
        // The screen's centre pixel stands at the side's centre.
        const QPoint shift(left + kSide / 2 - m_screen.width() / 2,
                           kSide / 2 - m_screen.height() / 2);
        for (const QRect &line : rects)
            painter.fillRect(line.translated(shift), colour);
        left += kSide;
    }
}

} // namespace velmora
