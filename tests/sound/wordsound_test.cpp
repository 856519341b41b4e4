#include "sound/audioerror.h"
#include "sound/mediaplayer.h"
#include "sound/nullaudiodevice.h"
#include "sound/waveencoding.h"
#include "sound/wordsound.h"
#include "testsounds.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sound;
using namespace Qt::StringLiterals;
using Mode = MediaPlayer::Mode;
using State = WordSound::State;

namespace {

const QString kCannotLoad = u"Zvuk ke slovíčku nelze nahrát: "_s;
const QString kNotFound = u"Zvukový záznam nenalezen."_s;
const State kLoaded{true, QString()};

// Which file a word's sound comes from is the lookup's business; these tests cover what the
// word list and the sound window do with the player.
class WordSoundTest : public ::testing::Test {
protected:
    QString folder() const { return m_folder.path() + u'/'; }

    QString writeTone(const QString& name, qint64 durationMs) const {
        const QString path = folder() + name;
        saveWave(path, test::sineTone(WaveFormat{}, durationMs));
        return path;
    }

    QString writeJunk(const QString& name) const {
        const QString path = folder() + name;
        test::writeBytes(path, "these are not sounds\n");
        return path;
    }

    // What the player itself says when it cannot open the file.
    static QString openError(const QString& path) {
        MediaPlayer player(std::make_unique<NullAudioDevice>());
        player.setFileName(path);
        try {
            player.open();
        } catch (const AudioError& error) {
            return error.message();
        }
        return {};
    }

    QTemporaryDir m_folder;
    MediaPlayer m_player{std::make_unique<NullAudioDevice>()};
    WordSound m_wordSound{m_player};
};

} // namespace

// The decoder goes by the content, so a wave sound under the MP3 name checks the MP3 path
// even where this libsndfile cannot write MP3.
TEST_F(WordSoundTest, WaveOrMp3FileIsLoadedNotPlayed) {
    for (const QString& file : {u"dog.mp3"_s, u"dog.wav"_s}) {
        writeTone(file, 300);
        EXPECT_EQ(m_wordSound.load(folder(), u"dog"_s), kLoaded);
        EXPECT_EQ(m_player.fileName(), folder() + file);
        EXPECT_EQ(m_player.mode(), Mode::Stopped);
        EXPECT_EQ(m_player.length(), 300);
    }
}

TEST_F(WordSoundTest, BrokenWaveFileSaysItCannotBeLoadedEvenBesideAnMp3) {
    const QString wave = writeJunk(u"dog.wav"_s);
    writeTone(u"dog.mp3"_s, 300);
    EXPECT_EQ(m_wordSound.load(folder(), u"dog"_s), (State{false, kCannotLoad + openError(wave)}));
    EXPECT_EQ(m_player.mode(), Mode::NotOpen);
}

TEST_F(WordSoundTest, NextWordReplacesTheSoundAndAMissingOneClosesThePlayer) {
    writeTone(u"dog.wav"_s, 300);
    writeTone(u"cat.wav"_s, 500);
    m_wordSound.load(folder(), u"dog"_s);
    m_player.play();
    m_wordSound.load(folder(), u"cat"_s);
    EXPECT_EQ(std::tuple(m_player.mode(), m_player.length(), m_player.position()),
              std::tuple(Mode::Stopped, 500, 0));

    EXPECT_EQ(m_wordSound.load(folder(), u"cow"_s), (State{false, kNotFound}));
    EXPECT_NO_THROW(m_wordSound.play()) << "without a sound the button stays silent";
    EXPECT_EQ(m_player.mode(), Mode::NotOpen);
}

// Automatic rewind lets the button play the word again once it has ended.
TEST_F(WordSoundTest, PlayReturnsWhileTheSoundPlaysAndStartsAgainAtTheEnd) {
    writeTone(u"dog.wav"_s, 5000);
    m_wordSound.load(folder(), u"dog"_s);
    m_wordSound.play();
    EXPECT_EQ(m_player.mode(), Mode::Playing);
    m_player.setPosition(m_player.length());
    m_wordSound.play();
    EXPECT_EQ(m_player.mode(), Mode::Playing);
    EXPECT_LT(m_player.position(), m_player.length());
}

TEST_F(WordSoundTest, SoundWindowPlayWaitsForTheEndAndUsesTheSameTexts) {
    writeTone(u"dog.wav"_s, 200);
    EXPECT_EQ(m_wordSound.loadForSoundWindow(folder(), u"dog"_s), kLoaded);
    EXPECT_EQ(m_player.mode(), Mode::Stopped);
    m_wordSound.play();
    EXPECT_EQ(std::tuple(m_player.mode(), m_player.position()), std::tuple(Mode::Stopped, 200));

    const QString junk = writeJunk(u"cat.wav"_s);
    EXPECT_EQ(m_wordSound.loadForSoundWindow(folder(), u"cat"_s),
              (State{false, kCannotLoad + openError(junk)}));
    EXPECT_EQ(m_wordSound.loadForSoundWindow(folder(), u"cow"_s), (State{false, kNotFound}));
}

TEST_F(WordSoundTest, PreparePlayerStopsAPlayAndNamesTheFileItFinds) {
    writeTone(u"dog.wav"_s, 5000);
    const QString mp3 = writeJunk(u"by.mp3"_s);
    m_wordSound.load(folder(), u"dog"_s);
    m_wordSound.play();
    ASSERT_EQ(m_player.mode(), Mode::Playing);
    EXPECT_TRUE(preparePlayer(m_player, folder() + u"by"_s));
    EXPECT_EQ(m_player.mode(), Mode::Stopped);
    EXPECT_EQ(m_player.fileName(), mp3);

    EXPECT_FALSE(preparePlayer(m_player, folder() + u"hallo"_s));
    EXPECT_EQ(m_player.fileName(), mp3) << "without a file the old one stays";
}
