#include "config/crosshairdraw.h"

#include <algorithm>

// The rules below are the game's client's, as the rebuilt client code has them (cs16-client,
// cl_dll/ammo.cpp, CHudAmmo::DrawCrosshair and CalculateCrosshairSize); the server (ReGameDLL_CS)
// decides only when the crosshair is hidden (a drawn shield, HIDEHUD_CROSSHAIR) and sends what
// the client reads of the player: on the ground or not, and the speed.
//
// Each of the four lines is one pixel thick at every resolution. Its gap from the centre and its
// length are drawn for a base screen width and scaled by the screen's width over that base:
// small is drawn for 1024, medium for 800, large for 640; auto picks 800 below a width of 1024
// and 640 from 1024 up, so at 1024 and above auto is as large as large. Player reports agree on
// the scaling (halflife #1925: the smallest crosshair is too large on modern monitors; FWGS
// cs16-client #110: auto looks like large) and on the thickness (halflife #1782, #265: one pixel
// is hard to see at 4K); the rebuilt code leaves the base as it was for auto at 640 pixels or
// less, where this takes 640, the width the game's sizes were made for.

namespace velmora {

namespace {

// The AK-47's row of the client's Distances table: its gap at rest and what a shot adds.
constexpr int kRestGap = 4;
constexpr int kShotGap = 4;
constexpr float kMostGap = 15;
// Its gap at rest depends on the ground and the speed (from 140 units a second, which a
// running player passes), not on ducking.

} // namespace

int crosshairScaleBase(CrosshairSize size, int screenWidth)
{
    switch (size) {
    case CrosshairSize::Small:
        return 1024;
    case CrosshairSize::Medium:
        return 800;
    case CrosshairSize::Large:
        return 640;
    case CrosshairSize::Auto:
        break;
    }
    return screenWidth > 640 && screenWidth < 1024 ? 800 : 640;
}

std::array<QRect, 4> crosshairRects(CrosshairSize size, QSize screen, float distance,
                                    int restDistance)
{
    const int width = screen.width();
    const int base = crosshairScaleBase(size, width);
    float gap = distance;
    int length = int((distance - float(restDistance)) * 0.5f + 5);
    if (width != base) {
        gap = float(width) * distance / float(base);
        length = width * length / base;
    }
    const int x = width / 2;
    const int y = screen.height() / 2;
    // The client passes the float positions to its integer fill, which cuts their fractions.
    return {
        QRect(int(float(x) - gap - float(length) + 1), y, length, 1),
        QRect(int(gap + float(x)), y, length, 1),
        QRect(x, int(float(y) - gap - float(length) + 1), 1, length),
        QRect(x, int(gap + float(y)), 1, length),
    };
}

CrosshairSpread::CrosshairSpread(bool dynamic)
    : m_dynamic(dynamic)
    , m_distance(float(kRestGap))
    , m_rest(kRestGap)
{
}

int CrosshairSpread::restDistance(Stance stance) const
{
    if (!m_dynamic)
        return kRestGap;
    switch (stance) {
    case Stance::Jumping:
        return kRestGap * 2;
    case Stance::Running:
        // The client multiplies the integer gap by 1.5 and keeps the whole part.
        return int(kRestGap * 1.5);
    case Stance::Standing:
    case Stance::Firing:
        break;
    }
    return kRestGap;
}

void CrosshairSpread::frame(Stance stance, bool shot)
{
    m_rest = restDistance(stance);
    if (shot) {
        m_distance = std::min(m_distance + float(kShotGap), kMostGap);
        m_alpha = std::max(m_alpha - 40, 120);
    } else {
        m_distance -= m_distance * 0.013f + 0.1f;
        m_alpha = std::min(m_alpha + 2, 255);
    }
    m_distance = std::max(m_distance, float(m_rest));
}

Stance CrosshairMotion::stanceAt(int frame)
{
    const int at = frame % kFrames;
    if (at >= 100 && at < 200)
        return Stance::Running;
    if (at >= 200 && at < 250)
        return Stance::Jumping;
    if (at >= 300 && at < 350)
        return Stance::Firing;
    return Stance::Standing;
}

bool CrosshairMotion::shotAt(int frame)
{
    // Five shots, one every tenth of a second: the AK-47's rate of fire.
    return stanceAt(frame) == Stance::Firing && frame % kFrames % 10 == 0;
}

} // namespace velmora
