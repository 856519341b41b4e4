#pragma once

#include "sound/pcmsound.h"

#include <QString>

namespace sound {

// Speaks words with the espeak-ng library in this process. The library keeps one voice for
// the whole process, so one synthesizer exists at a time.
class SpeechSynthesizer {
public:
    // Raises AudioError when the library cannot start or does not know the voice (an espeak-ng
    // voice name such as "en", "de" or "ru"), before anything is spoken.
    explicit SpeechSynthesizer(const QString& voice);
    ~SpeechSynthesizer();
    SpeechSynthesizer(const SpeechSynthesizer&) = delete;
    SpeechSynthesizer& operator=(const SpeechSynthesizer&) = delete;

    // The text spoken in the given PCM format (the recording format of the program).
    PcmSound speak(const QString& text, const WaveFormat& format) const;
};

// The library's samples (16-bit mono at sampleRate) in another PCM format: resampled
// linearly, copied to every channel, 8-bit samples made unsigned.
PcmSound convertMono16(const std::vector<qint16>& samples, int sampleRate,
                       const WaveFormat& format);

} // namespace sound
