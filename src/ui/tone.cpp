#include "ui/tone.h"

#include <QApplication>

#include <QtEndian>
#include <cmath>
#include <numbers>

#include <QLibrary>

namespace velmora::ui {

namespace {

struct ToneState
{
    Tone::Player player;
    int count = 0;
};

ToneState &state()
{
    static ToneState s;
    return s;
}

using PlayToneFunction = bool (*)(const char *samples, qint64 size, int sampleRate);

/// The audio module's player, loaded once, on the first tone; null where the module is missing.
PlayToneFunction audioModule()
{
    static const PlayToneFunction play = [] {
        const QString programFolder = QCoreApplication::applicationDirPath();
        // Beside the program in a build folder; in the library folder once installed.
        const QStringList folders{programFolder,
                                  programFolder + QStringLiteral("/" VELMORA_TONE_MODULE_DIR)};
        for (const QString &folder : folders) {
            QLibrary module(folder + QStringLiteral("/velmora-tone"));
            if (auto found = reinterpret_cast<PlayToneFunction>(module.resolve("velmoraPlayTone")))
                return found;
        }
        return PlayToneFunction(nullptr);
    }();
    return play;
}

void systemTone(int frequencyHz, int durationMs)
{
    constexpr int kSampleRate = 44100;
    if (const PlayToneFunction play = audioModule()) {
        const QByteArray samples = Tone::samples(frequencyHz, durationMs, kSampleRate);
        if (play(samples.constData(), samples.size(), kSampleRate))
            return;
    }
    QApplication::beep();
}

} // namespace

void Tone::refuse()
{
    play(kRefusalFrequency, kRefusalDuration);
}

void Tone::play(int frequencyHz, int durationMs)
{
    ToneState &s = state();
    ++s.count;
    if (s.player)
        s.player(frequencyHz, durationMs);
    else
        systemTone(frequencyHz, durationMs);
}

void Tone::setPlayer(Player player)
{
    state().player = std::move(player);
}

int Tone::count()
{
    return state().count;
}

void Tone::resetCount()
{
    state().count = 0;
}

QByteArray Tone::samples(int frequencyHz, int durationMs, int sampleRate)
{
    const qsizetype frames = qsizetype(sampleRate) * durationMs / 1000;
    const qsizetype fade = qMin<qsizetype>(sampleRate / 500, frames / 2); // 2 ms
    QByteArray data(frames * 2, Qt::Uninitialized);
    auto *out = reinterpret_cast<uchar *>(data.data());
    const double step = 2.0 * std::numbers::pi * frequencyHz / sampleRate;
    for (qsizetype i = 0; i < frames; ++i) {
        double gain = 0.5;
        if (i < fade)
            gain *= double(i) / fade;
        else if (frames - 1 - i < fade)
            gain *= double(frames - 1 - i) / fade;
        const auto value = qint16(std::lround(std::sin(step * double(i)) * gain * 32767.0));
        qToLittleEndian(value, out + 2 * i);
    }
    return data;
}

} // namespace velmora::ui
