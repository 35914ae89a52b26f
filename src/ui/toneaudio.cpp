// The audio half of the refusal tone, a module of its own: Qt Multimedia and the sound system
// behind it are loaded on the first refused key, not at every start of Velmora, where they cost
// more time than building the whole main window.

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>

/// Starts playing 16-bit mono samples at `sampleRate` on the default output and returns at once;
/// false when there is no output that takes them.
extern "C" Q_DECL_EXPORT bool velmoraPlayTone(const char *samples, qint64 size, int sampleRate)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format))
        return false;
    // The sink plays from its buffer on its own and removes itself when the buffer has run dry,
    // so the refused key is never held up by the sound.
    auto *sink = new QAudioSink(device, format, QCoreApplication::instance());
    auto *buffer = new QBuffer(sink);
    buffer->setData(samples, size);
    buffer->open(QIODevice::ReadOnly);
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState) {
            sink->stop();
            sink->deleteLater();
        }
    });
    sink->start(buffer);
    if (sink->error() != QAudio::NoError) {
        sink->deleteLater();
        return false;
    }
    return true;
}
