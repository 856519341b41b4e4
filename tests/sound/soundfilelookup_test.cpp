#include "sound/soundfilelookup.h"
#include "testsounds.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sound;
using namespace Qt::StringLiterals;

TEST(FindSoundFile, WaveBeforeMp3UnderTheCodedKey) {
    struct Case {
        const char* name;
        QStringList files; // a name ending in "/" is a folder
        QString key;
        QString found;
    };
    const Case cases[] = {
        {"wave file wins over MP3", {u"dog.wav"_s, u"dog.mp3"_s}, u"dog"_s, u"dog.wav"_s},
        {"MP3 without a wave file", {u"dog.mp3"_s}, u"dog"_s, u"dog.mp3"_s},
        {"neither file", {u"cat.wav"_s}, u"dog"_s, {}},
        {"named after the coded key",
         {u"ice#20cream.wav"_s, u"ice cream.wav"_s},
         u"ice cream"_s,
         u"ice#20cream.wav"_s},
        {"letter case matters", {u"Dog.wav"_s}, u"dog"_s, {}},
        {"a folder is no sound", {u"dog.wav/"_s, u"dog.mp3"_s}, u"dog"_s, u"dog.mp3"_s}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        for (const QString& file : c.files) {
            if (file.endsWith(u'/')) {
                ASSERT_TRUE(QDir(dir.path()).mkdir(file));
            } else {
                test::writeBytes(dir.filePath(file), "sound");
            }
        }
        const auto expected =
            c.found.isEmpty() ? std::nullopt : std::optional(dir.filePath(c.found));
        EXPECT_EQ(findSoundFile(dir.path() + u'/', c.key), expected);
    }
}

TEST(FindSoundFile, BasePathTakesTheSameOrder) {
    QTemporaryDir dir;
    const QString base = dir.filePath(u"hallo"_s);
    EXPECT_EQ(findSoundFile(base), std::nullopt);
    test::writeBytes(base + u".mp3"_s, "sound");
    EXPECT_EQ(findSoundFile(base), base + u".mp3"_s);
    test::writeBytes(base + u".wav"_s, "sound");
    EXPECT_EQ(findSoundFile(base), base + u".wav"_s);
}
