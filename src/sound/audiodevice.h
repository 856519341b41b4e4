#pragma once

#include "sound/pcmsound.h"
#include "sound/waveformat.h"

#include <QByteArray>
#include <QObject>

namespace sound {

// Where sounds are heard and recorded. One playback and one capture at a time; starting
// again replaces the running one. All calls and signals on the thread that owns the device.
class AudioDevice : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Plays the bytes from fromByte up to toByte of the sound; playbackFinished follows once
    // the last of them has been heard, unless stopPlayback comes first.
    virtual void startPlayback(const PcmSound& sound, qint64 fromByte, qint64 toByte) = 0;
    virtual void stopPlayback() = 0;
    // How many bytes of the started range have been heard so far, while the playback runs.
    virtual qint64 playedBytes() const = 0;

    virtual void startCapture(const WaveFormat& format) = 0;
    // Ends the capture and returns its samples, as long as the time the capture ran.
    virtual QByteArray stopCapture() = 0;
    virtual qint64 capturedBytes() const = 0;

signals:
    void playbackFinished();
};

} // namespace sound
