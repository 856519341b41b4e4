#include "sound/audioerror.h"
#include "sound/soundedit.h"

#include <gtest/gtest.h>

using namespace sound;

namespace {

// Every byte tells where it came from, so a wrong cut shows in the comparison.
PcmSound numberedSound(const WaveFormat& format, qint64 durationMs) {
    PcmSound sound{format, QByteArray(format.bytesForMs(durationMs), Qt::Uninitialized)};
    for (qsizetype i = 0; i < sound.samples.size(); ++i) {
        sound.samples[i] = char(i % 251);
    }
    return sound;
}

QByteArray withoutBytes(const QByteArray& bytes, qsizetype from, qsizetype to) {
    return bytes.first(from) + bytes.sliced(to);
}

} // namespace

TEST(CutRange, RemovesTheBytesOfTheTimeRange) {
    const PcmSound sound = numberedSound(WaveFormat{}, 1000);
    const PcmSound cut = cutRange(sound, 100, 200);
    EXPECT_EQ(cut.format, sound.format);
    EXPECT_EQ(cut.samples, withoutBytes(sound.samples, 8820, 17640));
    EXPECT_EQ(cut.durationMs(), 900);
}

TEST(CutRange, EndsFallOnFrameBoundaries) {
    const PcmSound stereo8 = numberedSound(WaveFormat{}, 100);
    EXPECT_EQ(cutRange(stereo8, 1, 2).samples, withoutBytes(stereo8.samples, 88, 176));

    const PcmSound mono16 = numberedSound(pcmFormat(1, 22050, 16), 100);
    const PcmSound cut = cutRange(mono16, 1, 3);
    EXPECT_EQ(cut.samples, withoutBytes(mono16.samples, 44, 132));
    EXPECT_EQ(cut.samples.size() % 2, 0);
}

TEST(CutRange, CutToTheEnd) {
    const PcmSound sound = numberedSound(WaveFormat{}, 1000);
    EXPECT_EQ(cutRange(sound, 500, 1000).samples, sound.samples.first(44100));
}

TEST(CutRange, BeyondTheEndStopsAtTheEnd) {
    const PcmSound sound = numberedSound(WaveFormat{}, 1000);
    EXPECT_EQ(cutRange(sound, 500, 5000).samples, sound.samples.first(44100));
    EXPECT_EQ(cutRange(sound, 2000, 5000).samples, sound.samples);
}

TEST(CutRange, EmptyRangeChangesNothing) {
    const PcmSound sound = numberedSound(WaveFormat{}, 100);
    EXPECT_EQ(cutRange(sound, 40, 40).samples, sound.samples);
}

TEST(CutRange, ReversedOrNegativeRangeIsAnError) {
    const PcmSound sound = numberedSound(WaveFormat{}, 100);
    EXPECT_THROW(cutRange(sound, 60, 40), AudioError);
    EXPECT_THROW(cutRange(sound, -1, 40), AudioError);
}
