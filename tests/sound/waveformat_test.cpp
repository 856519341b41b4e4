#include "sound/audioerror.h"
#include "sound/pcmsound.h"
#include "sound/waveformat.h"

#include <gtest/gtest.h>

using namespace sound;
using namespace std::chrono_literals;

TEST(WaveFormat, DefaultIsEightBitStereoRecordingFormat) {
    const WaveFormat format;
    EXPECT_EQ(format, (WaveFormat{1, 2, 44100, 88200, 2}));
    EXPECT_EQ(format.bitsPerSample(), 8);
    EXPECT_NO_THROW(format.validate());
}

TEST(WaveFormat, PcmFormatDerivesTheDependentFields) {
    EXPECT_EQ(pcmFormat(1, 22050, 16), (WaveFormat{1, 1, 22050, 44100, 2}));
    EXPECT_EQ(pcmFormat(2, 44100, 16), (WaveFormat{1, 2, 44100, 176400, 4}));
    EXPECT_EQ(pcmFormat(1, 8000, 8).bitsPerSample(), 8);
}

TEST(WaveFormat, RejectsWhatIsNotEightOrSixteenBitPcm) {
    const std::vector<WaveFormat> invalid{
        {3, 2, 44100, 88200, 2},  // floating point
        {1, 0, 44100, 0, 0},      // no channels
        {1, 3, 44100, 132300, 3}, // three channels
        {1, 2, 44100, 264600, 6}, // 24 bits
        {1, 2, 44100, 44100, 1},  // 4 bits
        {1, 2, 0, 0, 2},          // no sample rate
        {1, 2, 44100, 44100, 2},  // average bytes per second disagree
        {1, 1, 22050, 44100, 1},  // the same, for mono
    };
    for (const WaveFormat& format : invalid) {
        EXPECT_THROW(format.validate(), AudioError)
            << format.channels << " channels, block " << format.blockAlign;
    }
}

TEST(WaveFormat, ValidationMessageNamesTheProblem) {
    try {
        WaveFormat{1, 2, 44100, 1000, 2}.validate();
        FAIL() << "no error";
    } catch (const AudioError& error) {
        EXPECT_TRUE(error.message().contains(u"1000")) << error.what();
        EXPECT_TRUE(error.message().contains(u"88200")) << error.what();
    }
}

TEST(WaveFormat, MillisecondsToBytesKeepsWholeFrames) {
    const WaveFormat stereo8 = pcmFormat(2, 44100, 8);
    // 1 ms is 44.1 frames, the partial one left out
    EXPECT_EQ(std::tuple(stereo8.bytesForMs(1000), stereo8.bytesForMs(10), stereo8.bytesForMs(1),
                         stereo8.bytesForMs(0)),
              std::tuple(88200, 882, 88, 0));
    const WaveFormat mono16 = pcmFormat(1, 22050, 16);
    EXPECT_EQ(std::tuple(mono16.bytesForMs(1), mono16.bytesForMs(3)), std::tuple(44, 132));
}

TEST(WaveFormat, BytesToMillisecondsRoundsToTheNearest) {
    const WaveFormat stereo8 = pcmFormat(2, 44100, 8);
    EXPECT_EQ(stereo8.msForBytes(88200), 1000);
    EXPECT_EQ(stereo8.msForBytes(88200 - 2 * 22), 1000); // 22 frames are half a millisecond
    EXPECT_EQ(stereo8.msForBytes(88200 - 2 * 23), 999);
    EXPECT_EQ(stereo8.msForBytes(88), 1);
    EXPECT_EQ(stereo8.msForBytes(2), 0);
    EXPECT_EQ(stereo8.durationOf(88200), 1s);
    EXPECT_EQ(stereo8.durationOf(882), 10ms);
}

TEST(WaveFormat, MillisecondsSurviveTheWayThroughBytes) {
    for (const quint32 rate : {8000u, 11025u, 22050u, 44100u}) {
        const WaveFormat format = pcmFormat(1, rate, 16);
        for (qint64 ms = 0; ms < 3000; ++ms) {
            ASSERT_EQ(format.msForBytes(format.bytesForMs(ms)), ms) << rate << " Hz";
        }
    }
}

TEST(PcmSound, ByteOffsetStopsAtTheEnd) {
    const PcmSound sound{pcmFormat(1, 8000, 16), QByteArray(16000, '\0')};
    EXPECT_EQ(std::tuple(sound.durationMs(), sound.byteOffsetAt(250), sound.byteOffsetAt(1000),
                         sound.byteOffsetAt(5000)),
              std::tuple(1000, 4000, 16000, 16000));
}

TEST(PcmSound, ResizeWithSilencePadsWithTheFormatsSilence) {
    QByteArray eightBit("ab");
    resizeWithSilence(eightBit, pcmFormat(1, 8000, 8), 4);
    EXPECT_EQ(eightBit, QByteArray("ab\x80\x80"));

    QByteArray sixteenBit("ab");
    resizeWithSilence(sixteenBit, pcmFormat(1, 8000, 16), 4);
    EXPECT_EQ(sixteenBit, QByteArray("ab\0\0", 4));

    resizeWithSilence(sixteenBit, pcmFormat(1, 8000, 16), 2);
    EXPECT_EQ(sixteenBit, QByteArray("ab"));
}
