#include "exam/examgrade.h"
#include "exam/examreport.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

constexpr std::array<quint8, 5> kDefaultThresholds{97, 92, 75, 60, 20};

struct GradeCase {
    const char* name;
    bool interrupted;
    int planned;
    int right;
    int wrong;
    const char* grade;
    std::array<quint8, 5> thresholds = kDefaultThresholds;
};

class Grade : public ::testing::TestWithParam<GradeCase> {};

TEST_P(Grade, ComesFromTheShareOfWrongAnswers) {
    const GradeCase c = GetParam();
    const int percent = exam::successPercent(c.interrupted, c.planned, c.right, c.wrong);
    EXPECT_EQ(exam::gradeText(percent, c.thresholds), QString::fromUtf8(c.grade)) << percent;
}

INSTANTIATE_TEST_SUITE_P(
    Exams, Grade,
    ::testing::Values(
        GradeCase{"AllRightAtTheTopThresholds", false, 20, 20, 0, "1*", {100, 100, 100, 100, 100}},
        GradeCase{"OneWrongOfTwenty", false, 20, 19, 1, "2"},    // 95
        GradeCase{"HalfRoundsToEvenDown", false, 8, 7, 1, "3"},  // 12.5 rounds to 12: 88
        GradeCase{"HalfRoundsToEvenUp", false, 8, 5, 3, "4"},    // 37.5 rounds to 38: 62
        GradeCase{"ThresholdReached", false, 4, 3, 1, "3-"},     // 75
        GradeCase{"LastThresholdReached", false, 5, 1, 4, "5-"}, // 20
        GradeCase{"BelowTheLastThreshold", false, 100, 19, 81, "no asi tak 6-"}, // 19
        GradeCase{"MoreWrongThanPlanned", false, 2, 0, 5, "no asi tak 6-"},      // −150
        GradeCase{"BrokenOffAgainstTheRightAnswers", true, 20, 4, 1, "3-"},      // 75
        GradeCase{"BrokenOffWithNothingRight", true, 20, 0, 3, "no asi tak 6-"}, // 0
        GradeCase{"BrokenOffAtAZeroThreshold", true, 20, 0, 3, "5-", {97, 92, 75, 60, 0}}),
    [](const auto& test) { return std::string(test.param.name); });

// Only a line starting with the marker splits the template; the lines are separated by '\n'.
TEST(ReportTemplate, SplitsAtALineStartingWithTheMarker) {
    const auto split = [](const char* lines) -> QString {
        const exam::ReportTemplate parts =
            exam::splitReportTemplate(QString::fromUtf8(lines).split(u'\n'));
        return parts.head.join(u'\n') + u" / "_s + parts.tail.join(u'\n');
    };
    EXPECT_EQ(split("a\n{[..here..]} text\nb\n{[..here..]}"), u"a / b\n{[..here..]}"_s);
    EXPECT_EQ(split("a\n {[..here..]}\nb"), u"a\n {[..here..]}\nb / "_s);
}

// The report of a finished exam shows "Bez omezení".
TEST(ExamReport, ShowsTheLimitInSeconds) {
    exam::ExamRecordText record;
    record.limitSeconds = 30;
    EXPECT_EQ(exam::reportSettingsLines(record, 0).last(),
              u"Časový limit: <FONT COLOR=\"#00FFFF\">30</FONT> sekund"_s);
}

TEST(ExamReport, QuestionLanguageIsEscapedAndKeepsWhatTheCodePageLacks) {
    exam::ExamRecordText record;
    record.questionLanguage = u"日本 <b>&\"č\" 😀"_s;
    EXPECT_EQ(exam::reportSettingsLines(record, 0)[3],
              u"<B><H3>Tázací jazyk: <FONT COLOR=\"#00FFFF\">&#26085;&#26412; "
              u"&lt;b&gt;&amp;&quot;č&quot; &#128512;</FONT></H3>"_s);
}

} // namespace
