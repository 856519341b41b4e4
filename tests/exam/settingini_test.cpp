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
    const sound::WaveFormat& wave = a.settings.recordingFormat;
    EXPECT_EQ(std::tuple(a.settings.lessonCount, a.settings.fontSize, a.settings.recordWave),
              std::tuple(30, 8, false));
    EXPECT_EQ(a.settings.gradeThresholds, (std::array<quint8, 5>{90, 80, 75, 44, 20}));
    EXPECT_EQ(std::tuple(wave.channels, wave.samplesPerSecond, wave.averageBytesPerSecond),
              std::tuple(1, 22050u, 88200u));
}

TEST(SettingIni, EveryReadStartsFromOneHundredLessons) {
    Applied a;
    a.settings.lessonCount = 30;
    for (const auto& [line, count] :
         {std::pair(u"fontsize=12"_s, 100), std::pair(u"lessoncount=many"_s, 100),
          std::pair(u"lessoncount=2000000000"_s, 10000), std::pair(u"lessoncount=0"_s, 1)}) {
        exam::applySettingIni({line}, a.settings, a.parameters);
        EXPECT_EQ(a.settings.lessonCount, count) << line.toStdString();
    }
}

// The lines of setting.ini are separated by '\n', the items of the list by ' '.
struct AverageCase {
    const char* name;
    const char* lines;
    const char* items;
    int position;
};

class AverageBlock : public ::testing::TestWithParam<AverageCase> {};

TEST_P(AverageBlock, ReplacesTheGradeAverages) {
    const Applied a = apply(QString::fromUtf8(GetParam().lines).split(u'\n'));
    EXPECT_EQ(a.parameters.averageItems.join(u' '), QString::fromUtf8(GetParam().items));
    EXPECT_EQ(a.parameters.averagePosition, GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    SettingIni, AverageBlock,
    ::testing::Values(
        AverageCase{"valid", "[Average]\n2\n2.75\n[endaverage]\nx", "2.00 2.75", 0},
        AverageCase{"allInvalid", "[average]\n2,5\ndva\n[endaverage]", "2,0", 0},
        // Inside the block the end must be written in lower case.
        AverageCase{"upperCaseEnd", "[average]\n1.5\n[ENDAVERAGE]\n3", "1.50 3.00", 0},
        AverageCase{"unclosed", "[average]\n3.5", "3.50", 0},
        // 1-based, accepted only below the number of items.
        AverageCase{"defaultSecond", "[average]\n1\n2\n3\n[endaverage]\ndefaultendaverage=2",
                    "1.00 2.00 3.00", 1},
        AverageCase{"defaultAtCountIgnored",
                    "[average]\n1\n2\n3\n[endaverage]\ndefaultendaverage=3", "1.00 2.00 3.00", 0},
        AverageCase{"defaultZeroClears", "[average]\n1\n2\n[endaverage]\ndefaultendaverage=0",
                    "1.00 2.00", -1},
        AverageCase{"defaultMalformedIsFirst", "defaultendaverage=x",
                    "1.5 2 2.5 2.75 3 3.25 3.5 3.75 4", 0}),
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
