#include "sound/soundfilelookup.h"
#include "testsounds.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sound;
using namespace Qt::StringLiterals;

namespace {

class SoundFolder : public ::testing::Test {
protected:
    QString folder() const { return m_folder.path() + u'/'; }

    QString touch(const QString& name) const {
        const QString path = folder() + name;
        test::writeBytes(path, "sound");
        return path;
    }

    QTemporaryDir m_folder;
};

} // namespace

TEST_F(SoundFolder, WaveFileWinsOverMp3) {
    const QString wave = touch(u"dog.wav"_s);
    touch(u"dog.mp3"_s);
    EXPECT_EQ(findSoundFile(folder(), u"dog"_s), wave);
}

TEST_F(SoundFolder, Mp3IsFoundWithoutAWaveFile) {
    const QString mp3 = touch(u"dog.mp3"_s);
    EXPECT_EQ(findSoundFile(folder(), u"dog"_s), mp3);
}

TEST_F(SoundFolder, NothingWithoutEitherFile) {
    touch(u"cat.wav"_s);
    EXPECT_EQ(findSoundFile(folder(), u"dog"_s), std::nullopt);
}

TEST_F(SoundFolder, FileIsNamedAfterTheCodedKey) {
    const QString wave = touch(u"ice#20cream.wav"_s);
    touch(u"ice cream.wav"_s);
    EXPECT_EQ(findSoundFile(folder(), u"ice cream"_s), wave);
}

TEST_F(SoundFolder, LetterCaseMatters) {
    touch(u"Dog.wav"_s);
    EXPECT_EQ(findSoundFile(folder(), u"dog"_s), std::nullopt);
}

TEST_F(SoundFolder, FolderWithASoundNameIsNoSound) {
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(u"dog.wav"_s));
    const QString mp3 = touch(u"dog.mp3"_s);
    EXPECT_EQ(findSoundFile(folder(), u"dog"_s), mp3);
}

TEST_F(SoundFolder, BasePathTakesTheSameOrder) {
    const QString base = folder() + u"hallo"_s;
    EXPECT_EQ(findSoundFile(base), std::nullopt);
    const QString mp3 = touch(u"hallo.mp3"_s);
    EXPECT_EQ(findSoundFile(base), mp3);
    const QString wave = touch(u"hallo.wav"_s);
    EXPECT_EQ(findSoundFile(base), wave);
}
