#include "sound/qtaudiodevice.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
#include <QMediaDevices>

#include <algorithm>

namespace sound {

namespace {

using std::chrono::microseconds;
using namespace std::chrono_literals;

// PulseAudio reports the sink idle about 120 ms before the last samples are heard; this much
// more is allowed after the moment the sink's own clock says the sound is over.
constexpr microseconds kPlaybackTail = 30ms;

QAudioFormat toAudioFormat(const WaveFormat& format) {
    QAudioFormat audioFormat;
    audioFormat.setSampleRate(int(format.samplesPerSecond));
    audioFormat.setChannelCount(format.channels);
    audioFormat.setSampleFormat(format.bitsPerSample() == 8 ? QAudioFormat::UInt8
                                                            : QAudioFormat::Int16);
    return audioFormat;
}

bool isFailure(QAudio::Error error) {
    return error == QAudio::OpenError || error == QAudio::FatalError;
}

} // namespace

QtAudioDevice::QtAudioDevice(QObject* parent)
    : AudioDevice(parent) {
    m_playbackEnd.setSingleShot(true);
    m_playbackEnd.setTimerType(Qt::PreciseTimer);
    connect(&m_playbackEnd, &QTimer::timeout, this, [this] {
        discardSink();
        emit playbackFinished();
    });
}

QtAudioDevice::~QtAudioDevice() {
    stopPlayback();
    discardSource();
}

void QtAudioDevice::startPlayback(const PcmSound& sound, qint64 fromByte, qint64 toByte) {
    stopPlayback();
    m_playbackFormat = sound.format;
    m_playbackBytes = toByte - fromByte;
    m_playbackData.setData(sound.samples.sliced(fromByte, m_playbackBytes));
    m_playbackData.open(QIODevice::ReadOnly);
    m_playbackClock.start();
    if (m_playbackBytes == 0) {
        finishPlaybackAfter(0us);
        return;
    }
    m_sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(),
                                          toAudioFormat(sound.format));
    connect(m_sink.get(), &QAudioSink::stateChanged, this, &QtAudioDevice::onSinkStateChanged);
    m_sink->start(&m_playbackData);
    // A refused stream may or may not have reported itself through stateChanged already.
    if (m_sink && isFailure(m_sink->error())) {
        onSinkStateChanged(QAudio::StoppedState);
    }
}

void QtAudioDevice::onSinkStateChanged(QAudio::State state) {
    const microseconds total = m_playbackFormat.durationOf(m_playbackBytes);
    const microseconds elapsed(m_playbackClock.nsecsElapsed() / 1000);
    if (state == QAudio::IdleState && m_playbackData.atEnd()) {
        const microseconds heard(m_sink->processedUSecs());
        finishPlaybackAfter(std::max(total - heard, total - elapsed) + kPlaybackTail);
    } else if (state == QAudio::StoppedState && isFailure(m_sink->error())) {
        qWarning("The audio output failed (error %d); the sound plays on in silence.",
                 int(m_sink->error()));
        m_sink->disconnect(this);
        m_failedSink = std::move(m_sink);
        finishPlaybackAfter(total - elapsed);
    }
}

void QtAudioDevice::finishPlaybackAfter(microseconds remaining) {
    m_playbackEnd.start(std::chrono::ceil<std::chrono::milliseconds>(std::max(remaining, 0us)));
}

void QtAudioDevice::stopPlayback() {
    m_playbackEnd.stop();
    discardSink();
    m_failedSink.reset();
    m_playbackData.close();
}

qint64 QtAudioDevice::playedBytes() const {
    const qint64 heardUSecs =
        m_sink ? m_sink->processedUSecs() : m_playbackClock.nsecsElapsed() / 1000;
    return std::min(m_playbackFormat.bytesForMs(heardUSecs / 1000), m_playbackBytes);
}

void QtAudioDevice::startCapture(const WaveFormat& format) {
    discardSource();
    m_captured.clear();
    m_captureFormat = format;
    m_captureClock.start();
    const QAudioDevice input = QMediaDevices::defaultAudioInput();
    if (input.isNull()) {
        return;
    }
    m_source = std::make_unique<QAudioSource>(input, toAudioFormat(format));
    m_captureStream = m_source->start();
    if (isFailure(m_source->error()) || !m_captureStream) {
        qWarning("The audio input failed (error %d); recording silence.", int(m_source->error()));
        discardSource();
        return;
    }
    connect(m_captureStream, &QIODevice::readyRead, this,
            [this] { m_captured += m_captureStream->readAll(); });
}

QByteArray QtAudioDevice::stopCapture() {
    // Whatever the source has buffered is read before stop(), which would throw it away.
    if (m_captureStream && m_captureStream->isOpen()) {
        m_captured += m_captureStream->readAll();
    }
    discardSource();
    QByteArray samples = std::exchange(m_captured, {});
    const qint64 wholeFrames = samples.size() - samples.size() % m_captureFormat.blockAlign;
    resizeWithSilence(samples, m_captureFormat, std::max(wholeFrames, elapsedCaptureBytes()));
    m_captureClock.invalidate();
    return samples;
}

qint64 QtAudioDevice::capturedBytes() const {
    return std::max(qint64(m_captured.size()), elapsedCaptureBytes());
}

qint64 QtAudioDevice::elapsedCaptureBytes() const {
    return m_captureClock.isValid() ? m_captureFormat.bytesForMs(m_captureClock.elapsed()) : 0;
}

void QtAudioDevice::discardSink() {
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink.reset();
    }
}

void QtAudioDevice::discardSource() {
    if (m_captureStream) {
        m_captureStream->disconnect(this);
        m_captureStream = nullptr;
    }
    if (m_source) {
        m_source->stop();
        m_source.reset();
    }
}

} // namespace sound
