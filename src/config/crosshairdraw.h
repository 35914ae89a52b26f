#pragma once

// What the game's client draws for its crosshair, from the rebuilt client code (cs16-client,
// cl_dll/ammo.cpp: CHudAmmo::DrawCrosshair, CalculateCrosshairSize and the Distances table).

#include "console/crosshair.h"

#include <QRect>
#include <QSize>

#include <array>

namespace velmora {

/// The screen width the client's crosshair sizes are drawn for: the lines scale by the screen's
/// width over it. `auto` picks by the width.
int crosshairScaleBase(CrosshairSize size, int screenWidth);

/// The crosshair's four lines on a screen of the given size, in screen pixels: west, east, north,
/// south. `distance` is the client's spread (the gap from the centre at the base width) and
/// `restDistance` the weapon's gap at rest, which the lines' length grows from.
std::array<QRect, 4> crosshairRects(CrosshairSize size, QSize screen, float distance,
                                    int restDistance);

/// What the player does in one frame of the moving preview; firing is done standing.
enum class Stance { Standing, Running, Jumping, Firing };

/// The client's spread of the crosshair of an AK-47 from frame to frame, at 100 frames a second:
/// each shot widens it, each frame without one narrows it, and with the dynamic crosshair running
/// and jumping widen its gap at rest.
class CrosshairSpread
{
public:
    explicit CrosshairSpread(bool dynamic);

    /// One frame; `shot` when the weapon fired in it.
    void frame(Stance stance, bool shot);
    float distance() const { return m_distance; }
    int restDistance() const { return m_rest; }
    /// The lines' opacity, 0 to 255: shots fade them, quiet frames bring them back.
    int alpha() const { return m_alpha; }

    /// The weapon's gap at rest in a stance.
    int restDistance(Stance stance) const;

private:
    bool m_dynamic;
    float m_distance;
    int m_rest;
    int m_alpha = 255;
};

/// The moving preview's loop, frame by frame at 100 a second: standing, running, jumping, then
/// a burst of shots standing.
struct CrosshairMotion
{
    static constexpr int kFrames = 400;
    /// `frame` counts from 0 and may run past the loop's end: the loop repeats.
    static Stance stanceAt(int frame);
    static bool shotAt(int frame);
};

} // namespace velmora
