#include "exam/examini.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using exam::ColorValue;
using exam::ExamIni;
using exam::ExamParameters;

namespace {

struct Applied {
    ExamIni ini;
    ExamParameters parameters;
};

Applied apply(const QStringList& lines) {
    Applied result;
    exam::applyExamIni(lines, result.ini, result.parameters);
    return result;
}

struct ParameterCase {
    const char* name;
    QString line;
    int ExamParameters::*position;
    int expected;
};

class ExamIniPosition : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(ExamIniPosition, SetsTheListPosition) {
    const Applied a = apply({GetParam().line});
    EXPECT_EQ(a.parameters.*(GetParam().position), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ExamIni, ExamIniPosition,
    ::testing::Values(
        ParameterCase{"chosseAll", u"chosse=all"_s, &ExamParameters::wordCountPosition, 0},
        ParameterCase{"chosseNumber", u"chosse=50"_s, &ExamParameters::wordCountPosition, 50},
        ParameterCase{"chosseMalformed", u"chosse=alle"_s, &ExamParameters::wordCountPosition, 20},
        ParameterCase{"ratioIsItem", u"ratio=6"_s, &ExamParameters::sharePosition, 5},
        ParameterCase{"ratioMalformed", u"ratio=half"_s, &ExamParameters::sharePosition, 3},
        ParameterCase{"stexam", u"stexam=3"_s, &ExamParameters::timesPosition, 2},
        ParameterCase{"addbad", u"addbad=7"_s, &ExamParameters::worstCountPosition, 7},
        ParameterCase{"addexamMalformed", u"addexam="_s, &ExamParameters::worstTimesPosition, 0},
        ParameterCase{"timelimitNone", u"timelimit=0"_s, &ExamParameters::limitPosition, 0},
        ParameterCase{"timelimitMalformed", u"timelimit=?"_s, &ExamParameters::limitPosition, 14},
        ParameterCase{"hexadecimal", u"fromlesson=$A"_s, &ExamParameters::fromLesson, 10},
        ParameterCase{"untrimmed", u"tolesson= 5 "_s, &ExamParameters::toLesson, 1},
        ParameterCase{"averageZeroBased", u"defaultendaverage=3"_s,
                      &ExamParameters::averagePosition, 3},
        // Keys are case-sensitive: capitals leave the dialog's initial state.
        ParameterCase{"upperCaseIgnored", u"CHOSSE=5"_s, &ExamParameters::wordCountPosition, 0},
        ParameterCase{"mixedCaseIgnored", u"Ratio=1"_s, &ExamParameters::sharePosition, 5}),
    [](const auto& test) { return test.param.name; });

TEST(ExamIni, PositionsBecomeTheDialogsValues) {
    const Applied a = apply({u"ratio=x"_s, u"timelimit=0"_s, u"addbad=500"_s, u"chosse=all"_s});
    // addbad=500 is out of the list: no selection
    EXPECT_EQ(std::tuple(a.parameters.sharePercent(), a.parameters.limitSeconds(),
                         a.parameters.worstCount(), a.parameters.wordCount()),
              std::tuple(20, exam::kNoTimeLimit, std::nullopt, exam::kAllWords));
    EXPECT_EQ(apply({u"timelimit=14"_s}).parameters.limitSeconds(), 16);
    EXPECT_EQ(apply({u"timelimit=29"_s}).parameters.limitSeconds(), 35);
    EXPECT_EQ(apply({u"timelimit=40"_s}).parameters.limitSeconds(), 90);
}

TEST(ExamIni, AllLessonsTakesTheWholeListAndLaterLinesStillApply) {
    Applied a;
    a.parameters.lessonCount = 30;
    exam::applyExamIni({u"tolesson=4"_s, u"alllesson=yes"_s}, a.ini, a.parameters);
    EXPECT_EQ(std::tuple(a.parameters.allLessons, a.parameters.fromLesson, a.parameters.toLesson),
              std::tuple(true, 0, 29));
    exam::applyExamIni({u"fromlesson=7"_s}, a.ini, a.parameters);
    EXPECT_EQ(a.parameters.fromLesson, 7); // not corrected against "do"
}

TEST(ExamIni, YesKeysMatchAsPrefixesOnly) {
    const Applied a = apply({u"escape=yes, please"_s, u"showright=no"_s,
                             u"noshowexamresultbreak=yes"_s, u"askshowexamresultswitch=yes"_s,
                             u"languagequestion=other"_s, u"Jump=yes"_s, u"multirow=yes"_s});
    EXPECT_EQ(std::tuple(a.ini.escapeMinimizes, a.ini.examWindow.showRight,
                         a.ini.results.showAfterFinish, a.ini.results.showAfterBreak,
                         a.ini.results.askAfterFinish, a.ini.entryDialog.jump,
                         a.ini.entryDialog.multiRow),
              std::tuple(true, false, true, false, true, false, true));
    EXPECT_EQ(a.parameters.questionLanguage, exam::QuestionLanguage::Foreign);
}

TEST(ExamIni, ColoursPicturesAndWindowSize) {
    const Applied a = apply({u"bgcolor=green"_s, u"textcolor=white"_s, u"bodfontcolor2=x"_s,
                             u"bgpicture=NO"_s, u"bgpictureadd=bg.bmp"_s, u"fontcoloradd=?"_s,
                             u"fgcolortime=$00FF00"_s, u"fontsize=middle"_s, u"width=700"_s});
    const exam::ExamWindowLook& look = a.ini.examWindow;
    using Colour = std::optional<ColorValue>;
    EXPECT_EQ(std::tuple(look.background, look.text, look.gradeButtonFonts[1], look.question,
                         look.clockForeground, look.clockBackground, a.ini.entryDialog.font,
                         a.ini.entryDialog.checkBoxFont),
              std::tuple(Colour{{0xA40000}}, Colour{{0xFFFFFF}}, Colour{{0x005050}}, Colour{},
                         ColorValue{0x00FF00}, ColorValue{0xFF0000}, Colour{{0x80000008}},
                         Colour{{0}}));
    EXPECT_EQ(std::tuple(look.backgroundPicture, a.ini.entryDialog.backgroundPicture,
                         look.layoutSize, look.width, look.height),
              std::tuple(QString(), u"bg.bmp"_s, std::optional(1), 700, 435));
    EXPECT_EQ(apply({u"width=700"_s, u"fontsize=small"_s}).ini.examWindow.width, 478);
    EXPECT_EQ(exam::pictureLoadMessage(u"bg.bmp"_s),
              u"Nelze otevřít obrázek \"bg.bmp\" v adresáři uživatele."_s);
}

// Values are 0x00BBGGRR or, with the top bit, a system colour.
TEST(ExamIni, ColourValuesBecomeWindowColoursAndTextsOneThatReadsOnThem) {
    EXPECT_EQ(exam::toQColor({0xA40000}, QPalette()), QColor(0, 0, 0xA4));
    EXPECT_EQ(exam::toQColor({0x8000000F}, QPalette(QColor(Qt::gray))), QColor(Qt::gray));
    EXPECT_NEAR(exam::contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(exam::contrastRatio(Qt::gray, Qt::gray), 1.0, 0.01);
    const std::pair<quint32, QColor> backgrounds[] = {{0xA40000, Qt::white}, // dark blue
                                                      {0xFFEAC7, Qt::black}, // pale blue
                                                      {0xFFFFFF, Qt::black}};
    for (const auto& [value, text] : backgrounds) {
        const QColor background = exam::toQColor({value}, QPalette());
        EXPECT_EQ(exam::readableTextOn(background), text) << value;
        for (const bool right : {true, false})
            EXPECT_GE(exam::contrastRatio(exam::verdictColor(right, background), background), 4.5)
                << value << right;
        EXPECT_NE(exam::verdictColor(true, background), exam::verdictColor(false, background));
    }
}

TEST(ExamIni, ShippedFileReads) {
    Applied a;
    exam::readExamIni(QStringLiteral(LEXITON_DATA_DIR "/exam.ini"), a.ini, a.parameters);
    const ExamParameters& p = a.parameters;
    EXPECT_EQ(std::tuple(p.wordCount(), p.sharePercent(), p.worstCount(), p.worstTimes(),
                         p.limitSeconds(), p.averagePosition, a.ini.examWindow.showRight,
                         a.ini.escapeMinimizes, a.ini.examWindow.backgroundPicture),
              std::tuple(20, 20, 5, 2, 16, 1, true, false, u"bg.bmp"_s));
    EXPECT_EQ(a.ini.entryDialog.background, ColorValue{0x8000000F});
    // Each text the file colours reads on its background.
    const exam::ExamWindowLook& look = a.ini.examWindow;
    std::vector<std::pair<std::optional<ColorValue>, std::optional<ColorValue>>> pairs = {
        {look.text, look.background},
        {look.question, look.background},
        {look.answerFont, look.answerEdit}};
    for (const auto& font : look.gradeButtonFonts)
        pairs.emplace_back(font, look.gradePanel);
    for (const auto& [text, background] : pairs) {
        ASSERT_TRUE(text && background);
        EXPECT_GE(exam::contrastRatio(exam::toQColor(*text, QPalette()),
                                      exam::toQColor(*background, QPalette())),
                  4.5)
            << text->value << " on " << background->value;
    }
}

} // namespace
