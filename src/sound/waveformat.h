#pragma once

#include <QtGlobal>

#include <chrono>

namespace sound {

// The format block of a wave file, field for field; the program describes recordings this way.
struct WaveFormat {
    static constexpr quint16 kPcmTag = 1;

    quint16 formatTag = kPcmTag;
    quint16 channels = 2;
    quint32 samplesPerSecond = 44100;
    quint32 averageBytesPerSecond = 88200;
    quint16 blockAlign = 2;

    int bitsPerSample() const { return blockAlign * 8 / channels; }

    // Raises AudioError unless this is 8- or 16-bit PCM with one or two channels and the
    // derived fields agree with each other.
    void validate() const;

    // Whole frames only, so that an offset never splits a sample.
    qint64 bytesForMs(qint64 ms) const;
    qint64 msForBytes(qint64 bytes) const;
    std::chrono::microseconds durationOf(qint64 bytes) const;

    // The value of one sample of silence: 8-bit samples are unsigned, 16-bit ones signed.
    char silenceByte() const { return bitsPerSample() == 8 ? char(0x80) : char(0); }

    friend bool operator==(const WaveFormat&, const WaveFormat&) = default;
};

// Shorthand for a valid PCM format.
WaveFormat pcmFormat(quint16 channels, quint32 samplesPerSecond, int bitsPerSample);

} // namespace sound
