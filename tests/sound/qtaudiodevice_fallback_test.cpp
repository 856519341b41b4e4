#include "sound/mediaplayer.h"
#include "sound/qtaudiodevice.h"

#include <QElapsedTimer>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace sound;

// Runs wherever the tests run: with a sound server the silence is really played, without one
// (or when the server refuses the stream) the device must still take the sound's time, report
// the end and record silence rather than fail.
TEST(QtAudioDeviceAnywhere, PlaysSilenceForItsLength) {
    MediaPlayer player(std::make_unique<QtAudioDevice>());
    QSignalSpy notified(&player, &MediaPlayer::notify);
    player.openNew(WaveFormat{});
    player.setWait(true);
    player.record({}, 300);
    ASSERT_EQ(player.length(), 300);

    QElapsedTimer clock;
    clock.start();
    player.setWait(true);
    player.play(0);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_EQ(player.position(), 300);
    EXPECT_EQ(notified.count(), 2);
}
