#include "testsounds.h"

#include <QFile>
#include <QtEndian>

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace sound::test {

PcmSound sineTone(const WaveFormat& format, qint64 durationMs, double frequencyHz) {
    const bool eightBit = format.bitsPerSample() == 8;
    const qint64 frames = format.bytesForMs(durationMs) / format.blockAlign;
    PcmSound sound{format, {}};
    for (qint64 frame = 0; frame < frames; ++frame) {
        const double phase =
            2 * std::numbers::pi * frequencyHz * double(frame) / double(format.samplesPerSecond);
        const double level = 0.5 * std::sin(phase);
        for (int channel = 0; channel < format.channels; ++channel) {
            if (eightBit) {
                sound.samples.append(char(quint8(128 + std::lround(level * 127))));
            } else {
                char bytes[2];
                qToLittleEndian(qint16(std::lround(level * 32767)), bytes);
                sound.samples.append(bytes, 2);
            }
        }
    }
    return sound;
}

int peakAmplitude(const PcmSound& sound) {
    int peak = 0;
    if (sound.format.bitsPerSample() == 8) {
        for (const char byte : sound.samples)
            peak = std::max(peak, std::abs(int(quint8(byte)) - 128));
    } else {
        for (qsizetype i = 0; i + 1 < sound.samples.size(); i += 2)
            peak =
                std::max(peak, std::abs(int(qFromLittleEndian<qint16>(sound.samples.data() + i))));
    }
    return peak;
}

bool writeEncoded(const QString& path, const PcmSound& sound, int sndfileFormat) {
    SF_INFO info{};
    info.samplerate = int(sound.format.samplesPerSecond);
    info.channels = sound.format.channels;
    info.format = sndfileFormat;
    if (sound.format.bitsPerSample() != 16 || !sf_format_check(&info))
        return false;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<short> samples(size_t(sound.samples.size() / 2));
    qFromLittleEndian<qint16>(sound.samples.constData(), qsizetype(samples.size()), samples.data());
    const sf_count_t frames = sf_count_t(samples.size()) / info.channels;
    const bool written = sf_writef_short(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

} // namespace sound::test
