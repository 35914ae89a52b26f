#pragma once

#include "config/crosshairdraw.h"

#include <QTimer>
#include <QWidget>

namespace velmora {

/// The crosshair as the game draws it, pixel for pixel, over a mid-grey and a bright background
/// side by side. Still, it shows the weapon at rest; moving, it plays the player's loop of
/// standing, running, jumping and firing, its timer running only while the preview is shown.
class CrosshairPreview : public QWidget
{
    Q_OBJECT

public:
    /// Device pixels of each background.
    static constexpr int kSide = 200;

    CrosshairPreview(bool moving, QWidget *parent = nullptr);

    void setSettings(const CrosshairSettings &settings);
    void setResolution(QSize screen);

    /// The frame of the loop shown now, and what the player does in it.
    int frame() const { return m_frame; }
    Stance stance() const { return CrosshairMotion::stanceAt(m_frame); }
    /// The timer that moves the picture (the moving preview only).
    const QTimer &timer() const { return m_timer; }

Q_SIGNALS:
    /// The player's stance changed in the loop.
    void stanceChanged(velmora::Stance stance);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void step();

    bool m_moving;
    CrosshairSettings m_settings;
    QSize m_screen{1920, 1080};
    CrosshairSpread m_spread{true};
    int m_frame = 0;
    QTimer m_timer;
};

} // namespace velmora
