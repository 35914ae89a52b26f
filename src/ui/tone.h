#pragma once

#include <QByteArray>

#include <functional>

namespace velmora::ui {

/// The short tone that tells the user a key was refused. Playing never blocks for long: the
/// sound runs on its own while the key is already discarded.
class Tone
{
public:
    using Player = std::function<void(int frequencyHz, int durationMs)>;

    static constexpr int kRefusalFrequency = 800;
    static constexpr int kRefusalDuration = 90;

    /// Sounds the refusal tone (800 Hz, 90 ms) and counts it.
    static void refuse();
    /// Sounds a tone of the given pitch and length through the current player and counts it.
    static void play(int frequencyHz, int durationMs);

    /// Replaces the player (tests install a silent one); an empty player brings back the system's.
    static void setPlayer(Player player);
    /// How many tones were asked for since the last resetCount().
    static int count();
    static void resetCount();

    /// 16-bit signed little-endian mono samples of a sine tone, faded in and out over a couple of
    /// milliseconds so the speaker does not click.
    static QByteArray samples(int frequencyHz, int durationMs, int sampleRate);
};

} // namespace velmora::ui
