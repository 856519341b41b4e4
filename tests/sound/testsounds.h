#pragma once

#include "sound/pcmsound.h"

#include <QString>

namespace sound::test {

// A tone loud enough to tell from silence, the same in every channel.
PcmSound sineTone(const WaveFormat& format, qint64 durationMs, double frequencyHz = 440.0);

// The largest distance of any sample from silence, in the sample's own units.
int peakAmplitude(const PcmSound& sound);

// Writes a 16-bit sound through libsndfile in another encoding, such as
// SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III; false when this libsndfile cannot write it.
bool writeEncoded(const QString& path, const PcmSound& sound, int sndfileFormat);

void writeBytes(const QString& path, const QByteArray& bytes);

} // namespace sound::test
