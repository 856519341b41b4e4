#pragma once

#include "sound/audiodevice.h"

#include <QAudio>
#include <QBuffer>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>

class QAudioSink;
class QAudioSource;

namespace sound {

// The machine's default output and input through Qt Multimedia (PulseAudio on Linux). When the
// server refuses or drops a stream the device carries on like NullAudioDevice: the playback
// still takes its time and the capture is padded with silence, so callers never hang or fail.
class QtAudioDevice : public AudioDevice {
    Q_OBJECT

public:
    explicit QtAudioDevice(QObject* parent = nullptr);
    ~QtAudioDevice() override;

    void startPlayback(const PcmSound& sound, qint64 fromByte, qint64 toByte) override;
    void stopPlayback() override;
    qint64 playedBytes() const override;

    void startCapture(const WaveFormat& format) override;
    QByteArray stopCapture() override;
    qint64 capturedBytes() const override;

private:
    void onSinkStateChanged(QAudio::State state);
    void finishPlaybackAfter(std::chrono::microseconds remaining);
    qint64 elapsedCaptureBytes() const;
    void discardSink();
    void discardSource();

    // Qt 6.4 gives a sink's or source's backend the same QObject parent as the sink itself, so
    // a parent would delete the backend twice: they are owned here instead.
    std::unique_ptr<QAudioSink> m_sink;
    // A sink that failed is kept until the next playback: it cannot be deleted inside its own
    // signal.
    std::unique_ptr<QAudioSink> m_failedSink;
    QBuffer m_playbackData;
    WaveFormat m_playbackFormat;
    qint64 m_playbackBytes = 0;
    QElapsedTimer m_playbackClock;
    QTimer m_playbackEnd;

    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_captureStream = nullptr;
    QByteArray m_captured;
    WaveFormat m_captureFormat;
    QElapsedTimer m_captureClock;
};

} // namespace sound
