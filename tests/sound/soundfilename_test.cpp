#include "sound/soundfilename.h"

#include <gtest/gtest.h>

using namespace sound;
using namespace Qt::StringLiterals;

namespace {

struct NameCase {
    const char* name;
    QString key;
    QString fileName;
    int charset = 238; // of the dictionary's foreign font
};

class SoundFileNameOf : public ::testing::TestWithParam<NameCase> {};

} // namespace

TEST_P(SoundFileNameOf, KeyGivesName) {
    EXPECT_EQ(soundFileName(GetParam().key, core::CodePage::forCharset(GetParam().charset)),
              GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SoundFileNameOf,
    ::testing::Values(
        NameCase{"LettersStay", u"dog"_s, u"dog"_s},
        NameCase{"UpperCaseStaysUpperCase", u"Dog"_s, u"Dog"_s},
        NameCase{"ASpaceIsCoded", u"ice cream"_s, u"ice#20cream"_s},
        NameCase{"ADigitIsCoded", u"a1"_s, u"a#31"_s},
        NameCase{"PunctuationIsCoded", u"don't-stop!"_s, u"don#27t#2Dstop#21"_s},
        NameCase{"ACzechLetterIsItsWindows1250Byte", u"č"_s, u"#E8"_s},
        NameCase{"CodesUseUpperCaseHexadecimalDigits", u"žluťoučký kůň"_s,
                 u"#9Elu#9Dou#E8k#FD#20k#F9#F2"_s},
        NameCase{"AGermanLetterOfTheCodePage", u"Straße"_s, u"Stra#DFe"_s},
        NameCase{"TheDotBeforeAnExtensionIsCoded", u"a.wav"_s, u"a#2Ewav"_s},
        NameCase{"ASlashCannotLeaveTheFolder", u"../x"_s, u"#2E#2E#2Fx"_s},
        NameCase{"WhatTheCodePageLacksBecomesAQuestionMark", u"да"_s, u"#3F#3F"_s},
        NameCase{"ACyrillicDictionaryTakesWindows1251Bytes", u"Да ёж"_s, u"#C4#E0#20#B8#E6"_s, 204},
        NameCase{"AGreekDictionaryTakesWindows1253Bytes", u"ναι"_s, u"#ED#E1#E9"_s, 161},
        NameCase{"AWesternDictionaryTakesWindows1252Bytes", u"crème"_s, u"cr#E8me"_s, 0},
        NameCase{"ChineseInACyrillicDictionaryIsAQuestionMark", u"茶"_s, u"#3F"_s, 204},
        NameCase{"ACharacterOutsideTheBasicPlaneIsOneQuestionMark", u"x😀"_s, u"x#3F"_s},
        NameCase{"AnEmptyKeyHasAnEmptyName", QString(), QString()},
        NameCase{"120LettersStayWhole", u"a"_s.repeated(120), u"a"_s.repeated(120)},
        NameCase{"The121stLetterIsCut", u"a"_s.repeated(121), u"a"_s.repeated(120)},
        NameCase{"40CodesFillTheNameExactly", u" "_s.repeated(41), u"#20"_s.repeated(40)},
        NameCase{"TheCutMayKeepHalfACode", u"x"_s + u" "_s.repeated(61),
                 u"x"_s + u"#20"_s.repeated(39) + u"#2"_s}),
    [](const auto& test) { return std::string(test.param.name); });
