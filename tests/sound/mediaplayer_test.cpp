#include "sound/audioerror.h"
#include "sound/mediaplayer.h"
#include "sound/nullaudiodevice.h"
#include "sound/soundfiledecoder.h"
#include "sound/waveencoding.h"
#include "testsounds.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

using namespace sound;
using namespace Qt::StringLiterals;
using Mode = MediaPlayer::Mode;

namespace {

// Generous: only a broken player takes this long, so it never decides a passing test.
constexpr int kPatienceMs = 10000;
// Timers may round to the millisecond below; the assertions allow for that and nothing else.
constexpr qint64 kTimerGrainMs = 1;

class NullDevicePlayer : public ::testing::Test {
protected:
    NullDevicePlayer()
        : m_player(std::make_unique<NullAudioDevice>()) {}

    void openTone(qint64 durationMs, const QByteArray& tail = {}) {
        PcmSound sound = test::sineTone(WaveFormat{}, durationMs);
        sound.samples += tail;
        m_player.setFileName(m_folder.filePath(u"tone.wav"_s));
        saveWave(m_player.fileName(), sound);
        m_player.open();
    }

    qint64 waitedPlayMs(std::optional<qint64> fromMs = {}, std::optional<qint64> toMs = {}) {
        QElapsedTimer clock;
        clock.start();
        m_player.setWait(true);
        m_player.play(fromMs, toMs);
        return clock.elapsed();
    }

    QTemporaryDir m_folder;
    // The player's mode, length and position.
    std::tuple<Mode, qint64, qint64> state() const {
        return {m_player.mode(), m_player.length(), m_player.position()};
    }

    MediaPlayer m_player;
    QSignalSpy m_notified{&m_player, &MediaPlayer::notify};
};

} // namespace

TEST_F(NullDevicePlayer, WorksOnlyOnAnOpenSound) {
    EXPECT_EQ(state(), std::tuple(Mode::NotOpen, 0, 0));
    EXPECT_THROW(m_player.play(), AudioError);
    EXPECT_THROW(m_player.record(), AudioError);
    EXPECT_THROW(m_player.save(), AudioError);
    EXPECT_THROW(m_player.openNew(WaveFormat{1, 2, 44100, 44100, 2}), AudioError);
    m_player.setFileName(m_folder.filePath(u"missing.wav"_s));
    EXPECT_THROW(m_player.open(), AudioError);
    EXPECT_EQ(m_player.mode(), Mode::NotOpen);

    openTone(300);
    EXPECT_EQ(state(), std::tuple(Mode::Stopped, 300, 0));
    EXPECT_TRUE(QFile::remove(m_player.fileName())) << "the file is free while open";
    EXPECT_EQ(m_player.length(), 300);
    m_player.close();
    EXPECT_EQ(state(), std::tuple(Mode::NotOpen, 0, 0));
}

TEST_F(NullDevicePlayer, WaitedPlayReturnsAtTheEndOfItsRange) {
    openTone(1000);
    EXPECT_GE(waitedPlayMs(200, 450), 250 - kTimerGrainMs);
    EXPECT_EQ(m_player.position(), 450);
    EXPECT_EQ(m_notified.count(), 1);
    EXPECT_GE(waitedPlayMs({}, 600), 150 - kTimerGrainMs);
    EXPECT_EQ(m_player.position(), 600);
    EXPECT_GE(waitedPlayMs(), 400 - kTimerGrainMs);
    EXPECT_EQ(state(), std::tuple(Mode::Stopped, 1000, 1000));
    EXPECT_EQ(m_notified.count(), 3);

    EXPECT_THROW(m_player.play(500, 400), AudioError);
    m_player.setPosition(700);
    EXPECT_THROW(m_player.play({}, 600), AudioError);
    EXPECT_EQ(m_player.mode(), Mode::Stopped);
}

TEST_F(NullDevicePlayer, EndBeforeAPositionBetweenMillisecondsIsRefused) {
    openTone(500, QByteArray(2, char(0x80))); // one frame more than 500 ms
    waitedPlayMs();

    EXPECT_THROW(m_player.play({}, 500), AudioError);
    EXPECT_THROW(m_player.record({}, 500), AudioError);
    EXPECT_EQ(m_player.mode(), Mode::Stopped);
}

TEST_F(NullDevicePlayer, StopFromAnEventEndsTheWaitKeepsThePositionAndSendsNoNotify) {
    openTone(60000);
    QTimer::singleShot(50, &m_player, [this] { m_player.stop(); });
    waitedPlayMs(1000);
    EXPECT_EQ(m_player.mode(), Mode::Stopped);
    EXPECT_GE(m_player.position(), 1000);
    EXPECT_LT(m_player.position(), 60000);
    EXPECT_FALSE(m_notified.wait(100));
}

TEST_F(NullDevicePlayer, PauseHoldsThePlayAndResumeFinishesIt) {
    openTone(5000);
    m_player.pause();
    m_player.resume();
    EXPECT_EQ(m_player.mode(), Mode::Stopped) << "pause and resume do nothing when not playing";
    m_player.play(1000, 1400);
    m_player.pause();
    EXPECT_EQ(m_player.mode(), Mode::Paused);
    const qint64 heldAt = m_player.position();
    EXPECT_GE(heldAt, 1000);
    EXPECT_LT(heldAt, 1400);
    EXPECT_FALSE(m_notified.wait(100));
    EXPECT_EQ(m_player.position(), heldAt);

    QElapsedTimer clock;
    clock.start();
    m_player.setWait(true);
    m_player.resume();
    EXPECT_GE(clock.elapsed(), 1400 - heldAt - kTimerGrainMs);
    EXPECT_EQ(state(), std::tuple(Mode::Stopped, 5000, 1400));
    EXPECT_EQ(m_notified.count(), 1);
    m_player.play();
    m_player.pause();
    m_player.stop();
    m_player.resume();
    EXPECT_EQ(m_player.mode(), Mode::Stopped) << "a stop ends a paused play";
}

TEST_F(NullDevicePlayer, WaitAppliesToOneCommandAndPlayAtTheEndEndsAtOnceUnlessAutoRewound) {
    openTone(300);
    m_player.setWait(true);
    m_player.rewind();
    m_player.play();
    EXPECT_EQ(m_player.mode(), Mode::Playing);
    m_player.stop();

    m_player.setWait(true);
    m_player.play(0);
    EXPECT_EQ(m_player.mode(), Mode::Stopped);
    m_player.play(0);
    EXPECT_EQ(m_player.mode(), Mode::Playing);
    ASSERT_TRUE(m_notified.wait(kPatienceMs)) << "a play runs until notify";
    EXPECT_EQ(state(), std::tuple(Mode::Stopped, 300, 300));

    waitedPlayMs();
    EXPECT_EQ(std::tuple(m_player.position(), m_notified.count()), std::tuple(300, 3));
    m_player.setAutoRewind(true);
    EXPECT_GE(waitedPlayMs(), 300 - kTimerGrainMs);
    EXPECT_EQ(std::tuple(m_player.position(), m_notified.count()), std::tuple(300, 4));
}

TEST_F(NullDevicePlayer, SetPositionStopsAPlayStaysInsideTheSoundAndCutMovesIt) {
    openTone(1000);
    m_player.play();
    m_player.setPosition(400);
    EXPECT_EQ(state(), std::tuple(Mode::Stopped, 1000, 400));
    m_player.setPosition(3000);
    EXPECT_EQ(m_player.position(), 1000);
    m_player.rewind();
    EXPECT_EQ(m_player.position(), 0);
    EXPECT_THROW(m_player.setPosition(-1), AudioError);

    m_player.setPosition(800);
    m_player.cut(100, 300);
    EXPECT_EQ(m_player.length(), 800);
    EXPECT_EQ(m_player.position(), 600);

    m_player.setPosition(150);
    m_player.cut(100, 200);
    EXPECT_EQ(m_player.position(), 100);
    EXPECT_THROW(m_player.cut(300, 200), AudioError);
}

TEST_F(NullDevicePlayer, RecordingIsSilenceOfTheElapsedLength) {
    m_player.openNew(WaveFormat{});
    EXPECT_EQ(m_player.length(), 0);
    m_player.record();
    EXPECT_EQ(m_player.mode(), Mode::Recording);
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(150);
    m_player.stop();
    const qint64 elapsedMs = clock.elapsed();

    const qint64 length = m_player.length();
    EXPECT_EQ(state(), std::tuple(Mode::Stopped, length, length));
    EXPECT_GE(length, 150 - kTimerGrainMs);
    EXPECT_LE(length, elapsedMs);
    const PcmSound& sound = m_player.sound();
    EXPECT_EQ(sound.format, WaveFormat{});
    EXPECT_EQ(sound.samples.size() % sound.format.blockAlign, 0);
    EXPECT_EQ(test::peakAmplitude(sound), 0);
    EXPECT_EQ(m_notified.count(), 0);
}

TEST_F(NullDevicePlayer, RecordingWithAnEndHasExactlyThatLengthAndSavesAsWave) {
    m_player.openNew(pcmFormat(1, 22050, 16));
    m_player.setWait(true);
    m_player.record({}, 250);
    EXPECT_EQ(state(), std::tuple(Mode::Stopped, 250, 250));
    EXPECT_EQ(m_player.sound().samples.size(), pcmFormat(1, 22050, 16).bytesForMs(250));
    EXPECT_EQ(m_notified.count(), 1);

    EXPECT_THROW(m_player.save(), AudioError) << "no file name yet";
    const QString file = m_folder.filePath(u"recording.wav"_s);
    m_player.setFileName(file);
    m_player.save();
    EXPECT_EQ(decodeSoundFile(file).samples, m_player.sound().samples);
}

TEST_F(NullDevicePlayer, RecordingFromAPositionReplacesTheRest) {
    openTone(1000);
    const PcmSound tone = m_player.sound();
    m_player.setWait(true);
    m_player.record(400, 600);

    const PcmSound& sound = m_player.sound();
    EXPECT_EQ(m_player.length(), 600);
    EXPECT_EQ(sound.samples.first(35280), tone.samples.first(35280));
    EXPECT_EQ(test::peakAmplitude(PcmSound{sound.format, sound.samples.sliced(35280)}), 0);
}

TEST(MediaPlayerLifetime, DeletingThePlayerEndsItsWait) {
    auto* player = new MediaPlayer(std::make_unique<NullAudioDevice>());
    player->openNew(WaveFormat{});
    QTimer::singleShot(20, [player] { delete player; });
    player->setWait(true);
    player->record({}, 60000);
    SUCCEED();
}
