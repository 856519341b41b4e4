#pragma once

#include "sound/audiodevice.h"
#include "sound/pcmsound.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class QEventLoop;

namespace sound {

// One sound of a window: opened from a file or recorded anew, played, cut and saved. Times are
// milliseconds from the start of the sound. Commands that fail raise AudioError.
class MediaPlayer : public QObject {
    Q_OBJECT

public:
    enum class Mode { NotOpen, Stopped, Playing, Paused, Recording };

    // On the machine's sound output, or on the given device.
    explicit MediaPlayer(QObject* parent = nullptr);
    explicit MediaPlayer(std::unique_ptr<AudioDevice> device, QObject* parent = nullptr);
    ~MediaPlayer() override;

    // The file that open() reads and save() writes.
    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }

    // Playing a sound that stands at its end starts it again from the beginning.
    bool autoRewind() const { return m_autoRewind; }
    void setAutoRewind(bool autoRewind) { m_autoRewind = autoRewind; }

    // Makes the next command return only once its sound has ended: a play, or a recording with
    // an end. Window events are processed meanwhile, and stop() from one of them ends the wait.
    void setWait(bool wait) { m_wait = wait; }

    // Reads the whole file into memory; the file stays free to be replaced or deleted.
    void open();
    // An empty sound to record into.
    void openNew(const WaveFormat& format);
    // Writes the sound to fileName() as a wave file.
    void save();
    void close();

    // Plays from fromMs, or from the current position, up to toMs or the end.
    void play(std::optional<qint64> fromMs = {}, std::optional<qint64> toMs = {});
    // Records from fromMs, or from the current position, replacing everything after it; with
    // toMs the recording stops by itself when the sound reaches that length.
    void record(std::optional<qint64> fromMs = {}, std::optional<qint64> toMs = {});
    void stop();
    // Holds a play where it is; resume() plays on to where the play was to end.
    void pause();
    void resume();

    Mode mode() const { return m_mode; }
    qint64 length() const;
    qint64 position() const;
    // Stops what is running and moves to positionMs, at most to the end.
    void setPosition(qint64 positionMs);
    void rewind() { setPosition(0); }

    // Removes the part from fromMs to toMs; see cutRange.
    void cut(qint64 fromMs, qint64 toMs);

    const PcmSound& sound() const;

signals:
    // A play or a recording with an end has come to its end by itself; after a waited command
    // this arrives before the command returns. Not sent for stop().
    void notify();

private:
    struct ByteRange {
        qint64 from = 0;
        qint64 to = 0;
    };

    void requireOpen() const;
    void startPlaying(ByteRange range, bool wait);
    ByteRange playRange(std::optional<qint64> fromMs, std::optional<qint64> toMs) const;
    ByteRange recordRange(std::optional<qint64> fromMs, std::optional<qint64> toMs) const;
    qint64 currentBytes() const;
    void finishPlayback();
    void finishRecording(QByteArray recorded);
    void onRecordingLimit();
    void waitWhileRunning();
    void endWait();

    std::unique_ptr<AudioDevice> m_device;
    QString m_fileName;
    PcmSound m_sound;
    Mode m_mode = Mode::NotOpen;
    qint64 m_position = 0;
    ByteRange m_running;
    QTimer m_recordingLimit;
    bool m_autoRewind = false;
    bool m_wait = false;
    QEventLoop* m_waitLoop = nullptr;
};

} // namespace sound
