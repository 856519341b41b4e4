#include "sound/waveformat.h"

#include "sound/audioerror.h"

namespace sound {

using namespace Qt::StringLiterals;

namespace {

// Higher rates than this are no use for speech and would only hide a corrupted header.
constexpr quint32 kHighestSampleRate = 192000;

} // namespace

void WaveFormat::validate() const {
    if (formatTag != kPcmTag) {
        throw AudioError(
            u"Nepodporovaný zvukový formát %1: podporován je jen PCM (1)."_s.arg(formatTag));
    }
    if (channels < 1 || channels > 2) {
        throw AudioError(u"Nepodporovaný počet kanálů: %1 (povoleno 1 nebo 2)."_s.arg(channels));
    }
    if (blockAlign != channels && blockAlign != channels * 2) {
        throw AudioError(u"Nepodporovaná velikost vzorku: %1 bajtů na snímek při %2 kanálech "
                         u"(povoleno 8 nebo 16 bitů)."_s.arg(blockAlign)
                             .arg(channels));
    }
    if (samplesPerSecond == 0 || samplesPerSecond > kHighestSampleRate) {
        throw AudioError(u"Nepodporovaná vzorkovací frekvence: %1 Hz."_s.arg(samplesPerSecond));
    }
    const quint64 expectedBytesPerSecond = quint64(samplesPerSecond) * blockAlign;
    if (averageBytesPerSecond != expectedBytesPerSecond) {
        throw AudioError(u"Nesouhlasí počet bajtů za sekundu: %1, při %2 Hz a %3 bajtech na "
                         u"snímek má být %4."_s.arg(averageBytesPerSecond)
                             .arg(samplesPerSecond)
                             .arg(blockAlign)
                             .arg(expectedBytesPerSecond));
    }
}

qint64 WaveFormat::bytesForMs(qint64 ms) const {
    return ms * samplesPerSecond / 1000 * blockAlign;
}

// Rounded to the nearest millisecond, so that a time turned into bytes and back stays the same.
qint64 WaveFormat::msForBytes(qint64 bytes) const {
    return (bytes / blockAlign * 1000 + samplesPerSecond / 2) / samplesPerSecond;
}

std::chrono::microseconds WaveFormat::durationOf(qint64 bytes) const {
    return std::chrono::microseconds(bytes / blockAlign * 1'000'000 / samplesPerSecond);
}

WaveFormat pcmFormat(quint16 channels, quint32 samplesPerSecond, int bitsPerSample) {
    const auto blockAlign = quint16(channels * bitsPerSample / 8);
    return WaveFormat{WaveFormat::kPcmTag, channels, samplesPerSecond,
                      samplesPerSecond * blockAlign, blockAlign};
}

} // namespace sound
