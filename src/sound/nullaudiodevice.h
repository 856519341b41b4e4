#pragma once

#include "sound/audiodevice.h"

#include <QElapsedTimer>
#include <QTimer>

namespace sound {

// Stands in for a machine without sound: a playback takes as long as the sound would and a
// capture hears silence for as long as it runs.
class NullAudioDevice : public AudioDevice {
    Q_OBJECT

public:
    explicit NullAudioDevice(QObject* parent = nullptr);

    void startPlayback(const PcmSound& sound, qint64 fromByte, qint64 toByte) override;
    void stopPlayback() override;
    qint64 playedBytes() const override;

    void startCapture(const WaveFormat& format) override;
    QByteArray stopCapture() override;
    qint64 capturedBytes() const override;

private:
    QTimer m_playbackEnd;
    QElapsedTimer m_playbackClock;
    WaveFormat m_playbackFormat;
    qint64 m_playbackBytes = 0;

    QElapsedTimer m_captureClock;
    WaveFormat m_captureFormat;
};

} // namespace sound
