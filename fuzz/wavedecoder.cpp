// A sound file as the sound window and the players read it: whole PCM frames of a format the
// program can play, and the waveform's peaks within -1..1.
#include "fuzzinput.h"

#include "sound/audioerror.h"
#include "sound/soundfiledecoder.h"
#include "sound/wavepeaks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sound::PcmSound decoded;
    try {
        decoded = sound::decodeSoundFile(FuzzInput(data, size).file(QStringLiteral("take.wav")));
    } catch (const sound::AudioError&) {
        return 0;
    }
    decoded.format.validate();
    require(decoded.samples.size() % decoded.format.blockAlign == 0);
    for (const sound::PeakColumn& column : sound::wavePeaks(decoded, 50))
        require(column.low >= -1 && column.low <= column.high && column.high <= 1);
    decoded.byteOffsetAt(decoded.durationMs() / 2);
    return 0;
}
