#include "sound/audioerror.h"
#include "sound/soundedit.h"
#include "sound/wavepeaks.h"

#include <gtest/gtest.h>

using namespace sound;

namespace {

// Every byte tells where it came from, so a wrong cut shows in the comparison.
PcmSound numberedSound(const WaveFormat& format) {
    PcmSound sound{format, QByteArray(format.bytesForMs(1000), Qt::Uninitialized)};
    for (qsizetype i = 0; i < sound.samples.size(); ++i) {
        sound.samples[i] = char(i % 251);
    }
    return sound;
}

} // namespace

TEST(CutRange, RemovesTheWholeFramesOfTheRangeUpToTheEnd) {
    struct Case {
        const char* name;
        WaveFormat format;
        qint64 fromMs, toMs;
        qsizetype fromByte, toByte;
    };
    const Case cases[] = {{"time range", WaveFormat{}, 100, 200, 8820, 17640},
                          {"stereo 8-bit frames", WaveFormat{}, 1, 2, 88, 176},
                          {"mono 16-bit frames", pcmFormat(1, 22050, 16), 1, 3, 44, 132},
                          {"to the end", WaveFormat{}, 500, 1000, 44100, 88200},
                          {"beyond the end", WaveFormat{}, 500, 5000, 44100, 88200},
                          {"after the end", WaveFormat{}, 2000, 5000, 88200, 88200},
                          {"empty range", WaveFormat{}, 40, 40, 3528, 3528}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PcmSound sound = numberedSound(c.format);
        const PcmSound cut = cutRange(sound, c.fromMs, c.toMs);
        EXPECT_EQ(cut.format, sound.format);
        EXPECT_EQ(cut.samples, sound.samples.first(c.fromByte) + sound.samples.sliced(c.toByte));
    }
}

TEST(CutRange, ReversedOrNegativeRangeIsAnError) {
    const PcmSound sound = numberedSound(WaveFormat{});
    EXPECT_THROW(cutRange(sound, 60, 40), AudioError);
    EXPECT_THROW(cutRange(sound, -1, 40), AudioError);
}

TEST(WavePeaks, TheLowestAndHighestSampleOfEachSliceOverAllChannels) {
    struct Case {
        const char* name;
        PcmSound sound;
        int columns;
        std::vector<PeakColumn> peaks;
    };
    const Case cases[] = {
        {"8-bit mono, two frames a slice",
         {pcmFormat(1, 8000, 8), QByteArray("\x80\xC0\x00\x80", 4)},
         2,
         {{0, 0.5f}, {-1, 0}}},
        {"16-bit stereo, one frame a slice",
         {pcmFormat(2, 8000, 16), QByteArray("\x00\x40\x00\xC0\x00\x80\xFF\x7F", 8)},
         2,
         {{-0.5f, 0.5f}, {-1, 32767.f / 32768}}},
        {"more slices than frames repeat a frame",
         {pcmFormat(1, 8000, 8), QByteArray("\x40\xC0", 2)},
         4,
         {{-0.5f, -0.5f}, {-0.5f, -0.5f}, {0.5f, 0.5f}, {0.5f, 0.5f}}},
        {"no frames", {WaveFormat{}, {}}, 2, {{0, 0}, {0, 0}}}};
    for (const Case& c : cases)
        EXPECT_EQ(wavePeaks(c.sound, c.columns), c.peaks) << c.name;
}
