#include "sound/soundfiledecoder.h"

#include "sound/audioerror.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <sndfile.h>

#include <memory>
#include <vector>

namespace sound {

using namespace Qt::StringLiterals;

namespace {

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

AudioError cannotOpen(const QString& path, const QString& reason) {
    return AudioError(u"Zvukový soubor nelze otevřít: %1 (%2)"_s.arg(path, reason));
}

// libsndfile answers "File does not exist" for any file it cannot recognise as MP3, so the
// file system is asked first and the library's words are used only for what it really knows.
void requireReadableFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw cannotOpen(path, u"soubor neexistuje"_s);
    }
    if (!info.isFile()) {
        throw cannotOpen(path, u"není to soubor"_s);
    }
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
        throw cannotOpen(path, probe.errorString());
    }
}

bool keepsEightBits(const SF_INFO& info) {
    const int encoding = info.format & SF_FORMAT_SUBMASK;
    return encoding == SF_FORMAT_PCM_U8 || encoding == SF_FORMAT_PCM_S8;
}

// Reads to the end instead of trusting info.frames, which is only an estimate for MP3.
std::vector<short> readAllFrames(SNDFILE* file, int channels) {
    constexpr sf_count_t kFramesPerRead = 4096;
    std::vector<short> samples;
    sf_count_t framesRead = 0;
    do {
        const size_t done = samples.size();
        samples.resize(done + size_t(kFramesPerRead * channels));
        framesRead = sf_readf_short(file, samples.data() + done, kFramesPerRead);
        samples.resize(done + size_t(framesRead * channels));
    } while (framesRead > 0);
    return samples;
}

// libsndfile widens 8-bit samples to the top byte of a short, so this is exact.
QByteArray toUnsignedEightBit(const std::vector<short>& samples) {
    QByteArray bytes(qsizetype(samples.size()), Qt::Uninitialized);
    for (size_t i = 0; i < samples.size(); ++i) {
        bytes[qsizetype(i)] = char(quint8((samples[i] >> 8) + 128));
    }
    return bytes;
}

QByteArray toLittleEndianSixteenBit(const std::vector<short>& samples) {
    QByteArray bytes(qsizetype(samples.size() * 2), Qt::Uninitialized);
    qToLittleEndian<qint16>(samples.data(), qsizetype(samples.size()), bytes.data());
    return bytes;
}

} // namespace

PcmSound decodeSoundFile(const QString& path) {
    requireReadableFile(path);
    SF_INFO info{};
    const SndfileHandle file(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file) {
        throw cannotOpen(path, u"neznámý nebo poškozený zvukový formát"_s);
    }
    if (info.channels < 1 || info.channels > 2) {
        throw cannotOpen(path, u"%1 kanálů, podporován je jeden nebo dva"_s.arg(info.channels));
    }
    const bool eightBit = keepsEightBits(info);
    PcmSound sound;
    sound.format = pcmFormat(quint16(info.channels), quint32(info.samplerate), eightBit ? 8 : 16);
    sound.format.validate();
    const std::vector<short> samples = readAllFrames(file.get(), info.channels);
    if (sf_error(file.get()) != SF_ERR_NO_ERROR) {
        throw cannotOpen(path, QString::fromLocal8Bit(sf_strerror(file.get())));
    }
    sound.samples = eightBit ? toUnsignedEightBit(samples) : toLittleEndianSixteenBit(samples);
    return sound;
}

} // namespace sound
