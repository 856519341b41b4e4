#include "exam/examgrade.h"
#include "exam/examreport.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using exam::gradeText;
using exam::successPercent;

constexpr std::array<quint8, 5> kDefaultThresholds{97, 92, 75, 60, 20};

struct PercentCase {
    bool interrupted;
    int planned;
    int right;
    int wrong;
    int percent;
};

class SuccessPercent : public ::testing::TestWithParam<PercentCase> {};

TEST_P(SuccessPercent, MeasuresWrongAnswersAgainstThePlanOrTheRightAnswers) {
    const PercentCase c = GetParam();
    EXPECT_EQ(successPercent(c.interrupted, c.planned, c.right, c.wrong), c.percent);
}

INSTANTIATE_TEST_SUITE_P(
    Exams, SuccessPercent,
    ::testing::Values(PercentCase{false, 20, 19, 0, 100}, PercentCase{false, 20, 19, 1, 95},
                      PercentCase{false, 8, 7, 1, 88},   // 12.5 rounds to the even 12
                      PercentCase{false, 8, 5, 3, 62},   // 37.5 rounds to the even 38
                      PercentCase{false, 2, 0, 5, -150}, // more wrong answers than planned
                      PercentCase{true, 20, 4, 1, 75},   // against the right answers
                      PercentCase{true, 20, 0, 3, 0}, PercentCase{true, 20, 0, 0, 0}));

struct GradeCase {
    int percent;
    const char* grade;
    std::array<quint8, 5> thresholds = kDefaultThresholds;
};

class Grade : public ::testing::TestWithParam<GradeCase> {};

TEST_P(Grade, FirstThresholdPassedGivesTheGradeAndOneReachedItsMinus) {
    EXPECT_EQ(gradeText(GetParam().percent, GetParam().thresholds),
              QString::fromUtf8(GetParam().grade));
}

INSTANTIATE_TEST_SUITE_P(
    Percentages, Grade,
    ::testing::Values(GradeCase{100, "1*"}, GradeCase{100, "1*", {100, 100, 100, 100, 100}},
                      GradeCase{98, "1"}, GradeCase{97, "1-"}, GradeCase{95, "2"},
                      GradeCase{88, "3"}, GradeCase{75, "3-"}, GradeCase{61, "4"},
                      GradeCase{60, "4-"}, GradeCase{21, "5"}, GradeCase{20, "5-"},
                      GradeCase{19, "no asi tak 6-"}, GradeCase{-150, "no asi tak 6-"},
                      GradeCase{0, "no asi tak 6-"}, GradeCase{0, "5-", {97, 92, 75, 60, 0}}));

struct MarkerCase {
    const char* name;
    QStringList lines;
    QStringList head;
    QStringList tail;
};

class ReportTemplateMarker : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(ReportTemplateMarker, OnlyALineStartingWithTheMarkerSplitsTheTemplate) {
    const exam::ReportTemplate parts = exam::splitReportTemplate(GetParam().lines);
    EXPECT_EQ(parts.head, GetParam().head);
    EXPECT_EQ(parts.tail, GetParam().tail);
}

INSTANTIATE_TEST_SUITE_P(Templates, ReportTemplateMarker,
                         ::testing::Values(MarkerCase{"MarkerLine",
                                                      {u"a"_s, u"{[..here..]}"_s, u"b"_s},
                                                      {u"a"_s},
                                                      {u"b"_s}},
                                           MarkerCase{"TrailingTextDroppedWithIt",
                                                      {u"a"_s, u"{[..here..]} text"_s, u"b"_s},
                                                      {u"a"_s},
                                                      {u"b"_s}},
                                           MarkerCase{"MarkerInsideALineIsText",
                                                      {u"a"_s, u" {[..here..]}"_s, u"b"_s},
                                                      {u"a"_s, u" {[..here..]}"_s, u"b"_s},
                                                      {}},
                                           MarkerCase{"FirstMarkerLineWins",
                                                      {u"{[..here..]}"_s, u"{[..here..]}"_s},
                                                      {},
                                                      {u"{[..here..]}"_s}}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ExamReport, ShowsTheNoLimitValueAsNoLimit) {
    exam::ExamRecordText record;
    record.limitSeconds = 134217727;
    EXPECT_EQ(exam::reportSettingsLines(record, 0).last(),
              u"Časový limit: <FONT COLOR=\"#00FFFF\">Bez omezení </FONT>"_s);
    record.limitSeconds = 30;
    EXPECT_EQ(exam::reportSettingsLines(record, 0).last(),
              u"Časový limit: <FONT COLOR=\"#00FFFF\">30</FONT> sekund"_s);
}

TEST(ExamReport, AveragesTheGradesWithThreeDecimalsUnlessThereAreNone) {
    EXPECT_EQ(exam::gradeAverageText(3, 7), u"2.333"_s);
    EXPECT_EQ(exam::gradeAverageText(2, 2), u"1.000"_s);
    EXPECT_EQ(exam::gradeAverageText(0, 0), u"Nelze spočítat"_s);
}

TEST(ExamReport, QuestionLanguageIsEscapedAndKeepsWhatTheCodePageLacks) {
    exam::ExamRecordText record;
    record.questionLanguage = u"日本 <b>&\"č\" 😀"_s;
    EXPECT_EQ(exam::reportSettingsLines(record, 0)[3],
              u"<B><H3>Tázací jazyk: <FONT COLOR=\"#00FFFF\">&#26085;&#26412; "
              u"&lt;b&gt;&amp;&quot;č&quot; &#128512;</FONT></H3>"_s);
}

TEST(ExamReport, FileNameIsTheExamNumberAndTheFullDate) {
    EXPECT_EQ(exam::reportFileName(17, QDate(2026, 12, 5)), u"17_05.12.2026.html"_s);
}

} // namespace
