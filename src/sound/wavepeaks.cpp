#include "sound/wavepeaks.h"

#include <QtEndian>

#include <algorithm>

namespace sound {

namespace {

// Plain loops over one sample type, which the compiler turns into vector instructions.
PeakColumn eightBitPeaks(const uchar* samples, qint64 count) {
    uchar low = 255;
    uchar high = 0;
    for (qint64 i = 0; i < count; ++i) {
        low = std::min(low, samples[i]);
        high = std::max(high, samples[i]);
    }
    return {float(low - 128) / 128, float(high - 128) / 128};
}

PeakColumn sixteenBitPeaks(const uchar* samples, qint64 count) {
    qint16 low = 32767;
    qint16 high = -32768;
    for (qint64 i = 0; i < count; ++i) {
        const auto sample = qFromLittleEndian<qint16>(samples + 2 * i);
        low = std::min(low, sample);
        high = std::max(high, sample);
    }
    return {float(low) / 32768, float(high) / 32768};
}

} // namespace

std::vector<PeakColumn> wavePeaks(const PcmSound& sound, int columns) {
    std::vector<PeakColumn> peaks(size_t(std::max(columns, 0)));
    const qint64 frames = sound.samples.size() / sound.format.blockAlign;
    if (frames == 0)
        return peaks;
    const int channels = sound.format.channels;
    const bool eightBit = sound.format.bitsPerSample() == 8;
    const auto* samples = reinterpret_cast<const uchar*>(sound.samples.constData());
    for (int column = 0; column < columns; ++column) {
        const qint64 first = frames * column / columns;
        const qint64 end = std::max(frames * (column + 1) / columns, first + 1);
        const qint64 count = (end - first) * channels;
        peaks[size_t(column)] = eightBit ? eightBitPeaks(samples + first * channels, count)
                                         : sixteenBitPeaks(samples + first * channels * 2, count);
    }
    return peaks;
}

} // namespace sound
