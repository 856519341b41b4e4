#include "sound/mediaplayer.h"

#include "sound/audiodevicefactory.h"
#include "sound/audioerror.h"
#include "sound/soundedit.h"
#include "sound/soundfiledecoder.h"
#include "sound/waveencoding.h"

#include <QEventLoop>

#include <algorithm>
#include <utility>

namespace sound {

using namespace Qt::StringLiterals;

namespace {

void requireNotNegative(std::optional<qint64> ms) {
    if (ms && *ms < 0) {
        throw AudioError(u"Čas ve zvuku nemůže být záporný: %1 ms."_s.arg(*ms));
    }
}

AudioError reversedRange(qint64 fromMs, qint64 toMs) {
    return AudioError(
        u"Neplatný úsek zvuku: začátek %1 ms leží za koncem %2 ms."_s.arg(fromMs).arg(toMs));
}

void requireValidRange(std::optional<qint64> fromMs, std::optional<qint64> toMs) {
    requireNotNegative(fromMs);
    requireNotNegative(toMs);
    if (fromMs && toMs && *fromMs > *toMs) {
        throw reversedRange(*fromMs, *toMs);
    }
}

} // namespace

MediaPlayer::MediaPlayer(QObject* parent)
    : MediaPlayer(createAudioDevice(), parent) {}

MediaPlayer::MediaPlayer(std::unique_ptr<AudioDevice> device, QObject* parent)
    : QObject(parent)
    , m_device(std::move(device)) {
    connect(m_device.get(), &AudioDevice::playbackFinished, this, &MediaPlayer::finishPlayback);
    m_recordingLimit.setSingleShot(true);
    m_recordingLimit.setTimerType(Qt::PreciseTimer);
    connect(&m_recordingLimit, &QTimer::timeout, this, &MediaPlayer::onRecordingLimit);
}

MediaPlayer::~MediaPlayer() {
    endWait();
}

void MediaPlayer::open() {
    m_wait = false;
    PcmSound sound = decodeSoundFile(m_fileName);
    close();
    m_sound = std::move(sound);
    m_mode = Mode::Stopped;
}

void MediaPlayer::openNew(const WaveFormat& format) {
    m_wait = false;
    format.validate();
    close();
    m_sound.format = format;
    m_mode = Mode::Stopped;
}

void MediaPlayer::save() {
    m_wait = false;
    requireOpen();
    if (m_fileName.isEmpty()) {
        throw AudioError(u"Zvuk nelze uložit: není zadán název souboru."_s);
    }
    stop();
    saveWave(m_fileName, m_sound);
}

void MediaPlayer::close() {
    m_wait = false;
    stop();
    m_sound = PcmSound{};
    m_mode = Mode::NotOpen;
    m_position = 0;
}

void MediaPlayer::play(std::optional<qint64> fromMs, std::optional<qint64> toMs) {
    const bool wait = std::exchange(m_wait, false);
    requireOpen();
    stop();
    startPlaying(playRange(fromMs, toMs), wait);
}

void MediaPlayer::record(std::optional<qint64> fromMs, std::optional<qint64> toMs) {
    const bool wait = std::exchange(m_wait, false);
    requireOpen();
    stop();
    m_running = recordRange(fromMs, toMs);
    m_position = m_running.from;
    m_mode = Mode::Recording;
    m_device->startCapture(m_sound.format);
    if (toMs) {
        m_recordingLimit.start(std::chrono::ceil<std::chrono::milliseconds>(
            m_sound.format.durationOf(m_running.to - m_running.from)));
        if (wait) {
            waitWhileRunning();
        }
    }
}

void MediaPlayer::stop() {
    m_wait = false;
    switch (m_mode) {
    case Mode::Playing:
        m_position = currentBytes();
        m_device->stopPlayback();
        m_mode = Mode::Stopped;
        break;
    case Mode::Recording:
        m_recordingLimit.stop();
        finishRecording(m_device->stopCapture());
        break;
    case Mode::Paused:
        m_mode = Mode::Stopped;
        break;
    case Mode::NotOpen:
    case Mode::Stopped:
        break;
    }
    endWait();
}

void MediaPlayer::pause() {
    m_wait = false;
    if (m_mode == Mode::Playing) {
        m_position = currentBytes();
        m_device->stopPlayback();
        m_mode = Mode::Paused;
        endWait();
    }
}

void MediaPlayer::resume() {
    const bool wait = std::exchange(m_wait, false);
    if (m_mode == Mode::Paused) {
        startPlaying(ByteRange{m_position, m_running.to}, wait);
    }
}

qint64 MediaPlayer::length() const {
    if (m_mode == Mode::Recording) {
        return m_sound.format.msForBytes(currentBytes());
    }
    return m_sound.durationMs();
}

qint64 MediaPlayer::position() const {
    return m_mode == Mode::NotOpen ? 0 : m_sound.format.msForBytes(currentBytes());
}

void MediaPlayer::setPosition(qint64 positionMs) {
    requireOpen();
    requireNotNegative(positionMs);
    stop();
    m_position = m_sound.byteOffsetAt(positionMs);
}

void MediaPlayer::cut(qint64 fromMs, qint64 toMs) {
    requireOpen();
    stop();
    PcmSound shorter = cutRange(m_sound, fromMs, toMs);
    const qint64 from = m_sound.byteOffsetAt(fromMs);
    const qint64 to = m_sound.byteOffsetAt(toMs);
    if (m_position >= to) {
        m_position -= to - from;
    } else if (m_position > from) {
        m_position = from;
    }
    m_sound = std::move(shorter);
}

const PcmSound& MediaPlayer::sound() const {
    return m_sound;
}

void MediaPlayer::startPlaying(ByteRange range, bool wait) {
    m_running = range;
    m_position = range.from;
    m_mode = Mode::Playing;
    m_device->startPlayback(m_sound, range.from, range.to);
    if (wait) {
        waitWhileRunning();
    }
}

void MediaPlayer::requireOpen() const {
    if (m_mode == Mode::NotOpen) {
        throw AudioError(u"Není otevřen žádný zvuk."_s);
    }
}

MediaPlayer::ByteRange MediaPlayer::playRange(std::optional<qint64> fromMs,
                                              std::optional<qint64> toMs) const {
    requireValidRange(fromMs, toMs);
    const qint64 end = qint64(m_sound.samples.size());
    ByteRange range{fromMs ? m_sound.byteOffsetAt(*fromMs) : m_position,
                    toMs ? m_sound.byteOffsetAt(*toMs) : end};
    if (!fromMs && m_autoRewind && range.from == end) {
        range.from = 0;
    }
    if (range.to < range.from) {
        throw reversedRange(m_sound.format.msForBytes(range.from),
                            m_sound.format.msForBytes(range.to));
    }
    return range;
}

MediaPlayer::ByteRange MediaPlayer::recordRange(std::optional<qint64> fromMs,
                                                std::optional<qint64> toMs) const {
    requireValidRange(fromMs, toMs);
    const qint64 from = fromMs ? m_sound.byteOffsetAt(*fromMs) : m_position;
    const qint64 to = toMs ? m_sound.format.bytesForMs(*toMs) : from;
    if (to < from) {
        throw reversedRange(m_sound.format.msForBytes(from), m_sound.format.msForBytes(to));
    }
    return ByteRange{from, to};
}

qint64 MediaPlayer::currentBytes() const {
    switch (m_mode) {
    case Mode::Playing:
        return std::min(m_running.from + m_device->playedBytes(), m_running.to);
    case Mode::Recording:
        return m_running.from + m_device->capturedBytes();
    case Mode::NotOpen:
    case Mode::Stopped:
    case Mode::Paused:
        break;
    }
    return m_position;
}

void MediaPlayer::finishPlayback() {
    if (m_mode != Mode::Playing) {
        return;
    }
    m_position = m_running.to;
    m_mode = Mode::Stopped;
    endWait();
    emit notify();
}

void MediaPlayer::finishRecording(QByteArray recorded) {
    m_sound.samples.truncate(m_running.from);
    m_sound.samples += recorded;
    m_position = m_sound.samples.size();
    m_mode = Mode::Stopped;
}

void MediaPlayer::onRecordingLimit() {
    QByteArray recorded = m_device->stopCapture();
    resizeWithSilence(recorded, m_sound.format, m_running.to - m_running.from);
    finishRecording(std::move(recorded));
    endWait();
    emit notify();
}

void MediaPlayer::waitWhileRunning() {
    QEventLoop loop;
    m_waitLoop = &loop;
    // endWait() clears m_waitLoop; the player itself may be gone when the loop returns.
    loop.exec();
}

void MediaPlayer::endWait() {
    if (m_waitLoop) {
        std::exchange(m_waitLoop, nullptr)->quit();
    }
}

} // namespace sound
