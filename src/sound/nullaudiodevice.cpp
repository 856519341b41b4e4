#include "sound/nullaudiodevice.h"

#include <algorithm>
#include <chrono>

namespace sound {

NullAudioDevice::NullAudioDevice(QObject* parent)
    : AudioDevice(parent) {
    m_playbackEnd.setSingleShot(true);
    m_playbackEnd.setTimerType(Qt::PreciseTimer);
    connect(&m_playbackEnd, &QTimer::timeout, this, &AudioDevice::playbackFinished);
}

void NullAudioDevice::startPlayback(const PcmSound& sound, qint64 fromByte, qint64 toByte) {
    m_playbackFormat = sound.format;
    m_playbackBytes = toByte - fromByte;
    m_playbackClock.start();
    m_playbackEnd.start(
        std::chrono::ceil<std::chrono::milliseconds>(m_playbackFormat.durationOf(m_playbackBytes)));
}

void NullAudioDevice::stopPlayback() {
    m_playbackEnd.stop();
}

qint64 NullAudioDevice::playedBytes() const {
    if (!m_playbackEnd.isActive()) {
        return m_playbackBytes;
    }
    return std::min(m_playbackFormat.bytesForMs(m_playbackClock.elapsed()), m_playbackBytes);
}

void NullAudioDevice::startCapture(const WaveFormat& format) {
    m_captureFormat = format;
    m_captureClock.start();
}

QByteArray NullAudioDevice::stopCapture() {
    QByteArray samples;
    resizeWithSilence(samples, m_captureFormat, capturedBytes());
    m_captureClock.invalidate();
    return samples;
}

qint64 NullAudioDevice::capturedBytes() const {
    return m_captureClock.isValid() ? m_captureFormat.bytesForMs(m_captureClock.elapsed()) : 0;
}

} // namespace sound
