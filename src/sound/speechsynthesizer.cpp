#include "sound/speechsynthesizer.h"

#include "sound/audioerror.h"

#include <QtEndian>
#include <espeak-ng/speak_lib.h>

#include <atomic>
#include <cmath>
#include <vector>

namespace sound {

using namespace Qt::StringLiterals;

namespace {

// A little slower than the library's 175, so that a learner hears every sound of a word.
constexpr int kWordsPerMinute = 150;

std::atomic_bool synthesizerExists = false;
int librarySampleRate = 0;
std::vector<qint16>* collected = nullptr;

int collect(short* samples, int count, espeak_EVENT*) {
    if (samples && collected)
        collected->insert(collected->end(), samples, samples + count);
    return 0;
}

} // namespace

SpeechSynthesizer::SpeechSynthesizer(const QString& voice) {
    if (synthesizerExists.exchange(true))
        throw AudioError(u"Syntéza řeči už běží."_s);
    if (librarySampleRate <= 0) {
        librarySampleRate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    }
    if (librarySampleRate <= 0) {
        synthesizerExists = false;
        throw AudioError(u"Syntézu řeči (espeak-ng) nelze spustit: chybí její data."_s);
    }
    espeak_SetSynthCallback(collect);
    espeak_SetParameter(espeakRATE, kWordsPerMinute, 0);
    if (voice.isEmpty() || espeak_SetVoiceByName(voice.toUtf8().constData()) != EE_OK) {
        synthesizerExists = false;
        throw AudioError(
            u"Syntéza řeči nezná hlas \"%1\". Zadej v set.ini slovníku řádek "
            "voice= s hlasem, který espeak-ng má (například en, de, ru)."_s.arg(voice));
    }
}

SpeechSynthesizer::~SpeechSynthesizer() {
    synthesizerExists = false;
}

PcmSound SpeechSynthesizer::speak(const QString& text, const WaveFormat& format) const {
    std::vector<qint16> samples;
    collected = &samples;
    const QByteArray utf8 = text.toUtf8();
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
                                             POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    collected = nullptr;
    if (result != EE_OK)
        throw AudioError(u"Slovíčko \"%1\" nelze namluvit."_s.arg(text));
    return convertMono16(samples, librarySampleRate, format);
}

PcmSound convertMono16(const std::vector<qint16>& samples, int sampleRate,
                       const WaveFormat& format) {
    format.validate();
    PcmSound sound{format, {}};
    if (samples.empty() || sampleRate <= 0)
        return sound;
    const double step = double(sampleRate) / format.samplesPerSecond;
    const auto frames = qint64(std::floor(double(samples.size() - 1) / step)) + 1;
    const bool eightBit = format.bitsPerSample() == 8;
    sound.samples.resize(frames * format.blockAlign);
    char* out = sound.samples.data();
    for (qint64 frame = 0; frame < frames; ++frame) {
        const double position = frame * step;
        const auto index = size_t(position);
        const double next = index + 1 < samples.size() ? samples[index + 1] : samples[index];
        const auto value =
            qint16(std::lround(samples[index] + (next - samples[index]) * (position - index)));
        for (int channel = 0; channel < format.channels; ++channel) {
            if (eightBit) {
                *out++ = char((value >> 8) + 0x80);
            } else {
                qToLittleEndian(value, out);
                out += 2;
            }
        }
    }
    return sound;
}

} // namespace sound
