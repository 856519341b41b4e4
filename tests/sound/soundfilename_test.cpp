#include "sound/soundfilename.h"

#include <gtest/gtest.h>

using namespace sound;
using namespace Qt::StringLiterals;

namespace {

struct NameCase {
    const char* what;
    QString key;
    QString name;
};

class SoundFileNameOf : public ::testing::TestWithParam<NameCase> {};

QString repeated(const QString& text, int times) {
    QString result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

} // namespace

TEST_P(SoundFileNameOf, KeyGivesName) {
    EXPECT_EQ(soundFileName(GetParam().key), GetParam().name) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SoundFileNameOf,
    ::testing::Values(
        NameCase{"letters stay", u"dog"_s, u"dog"_s},
        NameCase{"upper case stays upper case", u"Dog"_s, u"Dog"_s},
        NameCase{"a space is coded", u"ice cream"_s, u"ice#20cream"_s},
        NameCase{"a digit is coded", u"a1"_s, u"a#31"_s},
        NameCase{"punctuation is coded", u"don't-stop!"_s, u"don#27t#2Dstop#21"_s},
        NameCase{"a Czech letter is its Windows-1250 byte", u"č"_s, u"#E8"_s},
        NameCase{"codes use upper-case hexadecimal digits", u"žluťoučký kůň"_s,
                 u"#9Elu#9Dou#E8k#FD#20k#F9#F2"_s},
        NameCase{"a German letter of the code page", u"Straße"_s, u"Stra#DFe"_s},
        NameCase{"the dot before an extension is coded", u"a.wav"_s, u"a#2Ewav"_s},
        NameCase{"a slash cannot leave the folder", u"../x"_s, u"#2E#2E#2Fx"_s},
        NameCase{"what the code page lacks becomes a question mark", u"да"_s, u"#3F#3F"_s},
        NameCase{"a character outside the basic plane is one question mark", u"x😀"_s, u"x#3F"_s},
        NameCase{"an empty key has an empty name", QString(), QString()},
        NameCase{"120 letters stay whole", repeated(u"a"_s, 120), repeated(u"a"_s, 120)},
        NameCase{"the 121st letter is cut", repeated(u"a"_s, 121), repeated(u"a"_s, 120)},
        NameCase{"40 codes fill the name exactly", repeated(u" "_s, 41), repeated(u"#20"_s, 40)},
        NameCase{"the cut may keep half a code", u"x"_s + repeated(u" "_s, 61),
                 u"x"_s + repeated(u"#20"_s, 39) + u"#2"_s}));

TEST(SoundFileName, CaseMakesDifferentNames) {
    EXPECT_NE(soundFileName(u"Dog"_s), soundFileName(u"dog"_s));
}

TEST(SoundFileName, LongNameEndsInsideACode) {
    const QString name = soundFileName(u"b"_s + repeated(u"?"_s, 61));
    EXPECT_EQ(name.size(), 120);
    EXPECT_TRUE(name.endsWith(u"#3"_s)) << name.toStdString();
}

TEST(SoundFileName, KeysTheCodePageCannotHoldShareANameWithAQuestionMark) {
    EXPECT_EQ(soundFileName(u"мир"_s), soundFileName(u"???"_s));
}
