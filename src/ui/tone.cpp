#include "ui/tone.h"

#include <QApplication>

#include <QtEndian>
#include <cmath>
#include <numbers>

#if defined(Q_OS_WIN)
#define NOMINMAX
#include <windows.h>
#elif defined(VELMORA_HAVE_MULTIMEDIA)
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#endif

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

void systemTone(int frequencyHz, int durationMs)
{
#if defined(Q_OS_WIN)
    // Beep waits until the tone has ended; 90 ms is short enough to wait for.
    ::Beep(DWORD(frequencyHz), DWORD(durationMs));
#elif defined(VELMORA_HAVE_MULTIMEDIA)
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format)) {
        QApplication::beep();
        return;
    }
    // The sink plays from its buffer on its own and removes itself when the buffer has run dry,
    // so the refused key is never held up by the sound.
    auto *sink = new QAudioSink(device, format, qApp);
    auto *buffer = new QBuffer(sink);
    buffer->setData(Tone::samples(frequencyHz, durationMs, format.sampleRate()));
    buffer->open(QIODevice::ReadOnly);
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State s) {
        if (s == QAudio::IdleState || s == QAudio::StoppedState) {
            sink->stop();
            sink->deleteLater();
        }
    });
    sink->start(buffer);
    if (sink->error() != QAudio::NoError) {
        sink->deleteLater();
        QApplication::beep();
    }
#else
    Q_UNUSED(frequencyHz);
    Q_UNUSED(durationMs);
    QApplication::beep();
#endif
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
