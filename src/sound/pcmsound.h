#pragma once

#include "sound/waveformat.h"

#include <QByteArray>

namespace sound {

// A whole sound in memory. The samples are the bytes of a wave file's data chunk: 8-bit
// samples unsigned, 16-bit ones signed little-endian, channels interleaved; their count is a
// multiple of format.blockAlign.
struct PcmSound {
    WaveFormat format;
    QByteArray samples;

    qint64 durationMs() const { return format.msForBytes(samples.size()); }

    // The byte offset of a time, on a frame boundary and no further than the end.
    qint64 byteOffsetAt(qint64 ms) const;
};

// Cuts or pads with silence to exactly byteCount bytes: a recording is as long as the time it
// took, whatever the device delivered.
void resizeWithSilence(QByteArray& samples, const WaveFormat& format, qint64 byteCount);

} // namespace sound
