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

void PrintTo(const NameCase& given, std::ostream* out) {
    *out << given.what;
}

class SoundFileNameOf : public ::testing::TestWithParam<NameCase> {};

} // namespace

TEST_P(SoundFileNameOf, KeyGivesName) {
    EXPECT_EQ(soundFileName(GetParam().key), GetParam().name);
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
        NameCase{"120 letters stay whole", u"a"_s.repeated(120), u"a"_s.repeated(120)},
        NameCase{"the 121st letter is cut", u"a"_s.repeated(121), u"a"_s.repeated(120)},
        NameCase{"40 codes fill the name exactly", u" "_s.repeated(41), u"#20"_s.repeated(40)},
        NameCase{"the cut may keep half a code", u"x"_s + u" "_s.repeated(61),
                 u"x"_s + u"#20"_s.repeated(39) + u"#2"_s}));
