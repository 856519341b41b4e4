#include "exam/settingini.h"

#include "core/fileerror.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using exam::ExamParameters;
using exam::SettingIni;

namespace {

struct Applied {
    SettingIni settings;
    ExamParameters parameters;
};

Applied apply(const QStringList& lines) {
    Applied result;
    exam::applySettingIni(lines, result.settings, result.parameters);
    return result;
}

TEST(SettingIni, KeysAreReadInAnyCaseAndMalformedNumbersFallBack) {
    const Applied a =
        apply({u"LessonCount=30"_s, u"ONE=90"_s, u"two=$50"_s, u"three=x"_s, u"four=300"_s,
               u"FontSize=8"_s, u"nChannels=1"_s, u"nsamplespersec=22050"_s,
               u"navgbytespersec=bad"_s, u"RecordWave=No"_s});
    EXPECT_EQ(a.settings.lessonCount, 30);
    EXPECT_EQ(a.settings.gradeThresholds, (std::array<quint8, 5>{90, 80, 75, 44, 20}));
    EXPECT_EQ(a.settings.fontSize, 8);
    EXPECT_EQ(a.settings.recordingFormat.channels, 1);
    EXPECT_EQ(a.settings.recordingFormat.samplesPerSecond, 22050u);
    EXPECT_EQ(a.settings.recordingFormat.averageBytesPerSecond, 88200u);
    EXPECT_FALSE(a.settings.recordWave);
}

TEST(SettingIni, EveryReadStartsFromOneHundredLessons) {
    Applied a;
    a.settings.lessonCount = 30;
    exam::applySettingIni({u"fontsize=12"_s}, a.settings, a.parameters);
    EXPECT_EQ(a.settings.lessonCount, 100);
    exam::applySettingIni({u"lessoncount=many"_s}, a.settings, a.parameters);
    EXPECT_EQ(a.settings.lessonCount, 100);
    exam::applySettingIni({u"lessoncount=2000000000"_s}, a.settings, a.parameters);
    EXPECT_EQ(a.settings.lessonCount, 10000);
    exam::applySettingIni({u"lessoncount=0"_s}, a.settings, a.parameters);
    EXPECT_EQ(a.settings.lessonCount, 1);
}

struct AverageCase {
    const char* name;
    QStringList lines;
    QStringList items;
    int position;
};

class AverageBlock : public ::testing::TestWithParam<AverageCase> {};

TEST_P(AverageBlock, ReplacesTheGradeAverages) {
    const Applied a = apply(GetParam().lines);
    EXPECT_EQ(a.parameters.averageItems, GetParam().items);
    EXPECT_EQ(a.parameters.averagePosition, GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    SettingIni, AverageBlock,
    ::testing::Values(
        AverageCase{"valid",
                    {u"[Average]"_s, u"2"_s, u"2.75"_s, u"[endaverage]"_s, u"x"_s},
                    {u"2.00"_s, u"2.75"_s},
                    0},
        AverageCase{
            "allInvalid", {u"[average]"_s, u"2,5"_s, u"dva"_s, u"[endaverage]"_s}, {u"2,0"_s}, 0},
        // Inside the block the end must be written in lower case.
        AverageCase{"upperCaseEnd",
                    {u"[average]"_s, u"1.5"_s, u"[ENDAVERAGE]"_s, u"3"_s},
                    {u"1.50"_s, u"3.00"_s},
                    0},
        AverageCase{"unclosed", {u"[average]"_s, u"3.5"_s}, {u"3.50"_s}, 0},
        // 1-based, accepted only below the number of items.
        AverageCase{
            "defaultSecond",
            {u"[average]"_s, u"1"_s, u"2"_s, u"3"_s, u"[endaverage]"_s, u"defaultendaverage=2"_s},
            {u"1.00"_s, u"2.00"_s, u"3.00"_s},
            1},
        AverageCase{
            "defaultAtCountIgnored",
            {u"[average]"_s, u"1"_s, u"2"_s, u"3"_s, u"[endaverage]"_s, u"defaultendaverage=3"_s},
            {u"1.00"_s, u"2.00"_s, u"3.00"_s},
            0},
        AverageCase{"defaultZeroClears",
                    {u"[average]"_s, u"1"_s, u"2"_s, u"[endaverage]"_s, u"defaultendaverage=0"_s},
                    {u"1.00"_s, u"2.00"_s},
                    -1},
        AverageCase{"defaultMalformedIsFirst",
                    {u"defaultendaverage=x"_s},
                    ExamParameters::defaultAverageItems(),
                    0}),
    [](const auto& test) { return test.param.name; });

TEST(SettingIni, ShippedFileReads) {
    Applied a;
    exam::readSettingIni(QStringLiteral(LEXITON_DATA_DIR "/setting.ini"), a.settings, a.parameters);
    EXPECT_EQ(a.settings.lessonCount, 100);
    EXPECT_EQ(a.parameters.averageItems,
              (QStringList{u"1.50"_s, u"2.00"_s, u"2.50"_s, u"3.00"_s, u"3.50"_s}));
    EXPECT_EQ(a.parameters.averagePosition, 1);
    EXPECT_EQ(a.settings.recordingFormat, sound::WaveFormat());
}

TEST(SettingIni, MissingFileIsReportedAndChangesNothing) {
    Applied a;
    a.settings.lessonCount = 30;
    try {
        exam::readSettingIni(u"/nonexistent/setting.ini"_s, a.settings, a.parameters);
        FAIL() << "no error";
    } catch (const core::FileError& error) {
        EXPECT_EQ(error.message(), u"Chyba při čtení souboru \"setting.ini\"."_s);
    }
    EXPECT_EQ(a.settings.lessonCount, 30);
}

} // namespace
