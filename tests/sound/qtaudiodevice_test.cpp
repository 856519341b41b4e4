#include "sound/audiodevicefactory.h"
#include "sound/mediaplayer.h"
#include "sound/qtaudiodevice.h"
#include "sound/waveencoding.h"
#include "testsounds.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

using namespace sound;
using namespace Qt::StringLiterals;

namespace {

constexpr int kPatienceMs = 10000;

// Runs only beside the private audio server of scripts/test.sh, which announces itself with
// LEXITON_AUDIO_SERVER=1; there, a missing device is a failure rather than a reason to skip.
class RealDevicePlayer : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariable("LEXITON_AUDIO_SERVER") != u"1") {
            GTEST_SKIP() << "no audio server; run scripts/test.sh";
        }
        ASSERT_FALSE(QMediaDevices::audioOutputs().isEmpty())
            << "LEXITON_AUDIO_SERVER=1 but there is no audio output; is PULSE_SERVER set?";
        ASSERT_FALSE(QMediaDevices::defaultAudioInput().isNull())
            << "LEXITON_AUDIO_SERVER=1 but there is no audio input";
    }

    void openTone(MediaPlayer& player, qint64 durationMs) {
        const QString file = m_folder.filePath(u"tone%1.wav"_s.arg(durationMs));
        saveWave(file, test::sineTone(WaveFormat{}, durationMs));
        player.setFileName(file);
        player.open();
    }

    QTemporaryDir m_folder;
};

} // namespace

TEST_F(RealDevicePlayer, FactoryChoosesTheRealDevice) {
    const std::unique_ptr<AudioDevice> device = createAudioDevice();
    EXPECT_NE(dynamic_cast<QtAudioDevice*>(device.get()), nullptr);
}

TEST_F(RealDevicePlayer, WaitedPlayTakesAtLeastTheSoundsLength) {
    MediaPlayer player(std::make_unique<QtAudioDevice>());
    QSignalSpy notified(&player, &MediaPlayer::notify);
    openTone(player, 500);

    QElapsedTimer clock;
    clock.start();
    player.setWait(true);
    player.play();
    const qint64 elapsedMs = clock.elapsed();
    std::cout << "a waited 500 ms play took " << elapsedMs << " ms\n";

    EXPECT_GE(elapsedMs, 500);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
    EXPECT_EQ(player.position(), 500);
    EXPECT_EQ(notified.count(), 1);
}

TEST_F(RealDevicePlayer, PlayReportsItsEnd) {
    MediaPlayer player(std::make_unique<QtAudioDevice>());
    QSignalSpy notified(&player, &MediaPlayer::notify);
    openTone(player, 300);

    QElapsedTimer clock;
    clock.start();
    player.play();
    ASSERT_TRUE(notified.wait(kPatienceMs));
    std::cout << "a 300 ms play reported its end after " << clock.elapsed() << " ms\n";
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
}

TEST_F(RealDevicePlayer, RecordingHearsWhatIsPlayed) {
    MediaPlayer speaker(std::make_unique<QtAudioDevice>());
    openTone(speaker, 2000);
    MediaPlayer microphone(std::make_unique<QtAudioDevice>());
    QSignalSpy notified(&microphone, &MediaPlayer::notify);
    microphone.openNew(WaveFormat{});

    speaker.play();
    microphone.setWait(true);
    microphone.record({}, 800);
    speaker.stop();

    const PcmSound& recording = microphone.sound();
    std::cout << "peak of the recording: " << test::peakAmplitude(recording) << " of 127\n";
    EXPECT_EQ(recording.format, WaveFormat{});
    EXPECT_EQ(microphone.length(), 800);
    EXPECT_GT(test::peakAmplitude(recording), 20);
    EXPECT_EQ(notified.count(), 1);
}

TEST_F(RealDevicePlayer, StoppedRecordingIsAsLongAsItRan) {
    MediaPlayer microphone(std::make_unique<QtAudioDevice>());
    microphone.openNew(pcmFormat(1, 44100, 16));
    QElapsedTimer clock;
    clock.start();
    microphone.record();
    QTest::qWait(300);
    microphone.stop();
    const qint64 elapsedMs = clock.elapsed();
    std::cout << "a recording stopped after " << elapsedMs << " ms holds " << microphone.length()
              << " ms\n";
    EXPECT_GE(microphone.length(), 300 - 1);
    EXPECT_EQ(microphone.sound().samples.size() % 2, 0);
}
