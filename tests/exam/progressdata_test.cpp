#include "exam/examparameters.h"
#include "exam/progressdata.h"
#include "examtablesfixture.h"

namespace {

class Progress : public ExamTablesFixture {
protected:
    void addExam(QDate day, int hour, const QString& language, QVariant right, QVariant wrong,
                 int chosen, int worst, int type) {
        // Each chosen word asked twice, each worst one once.
        table(u"exam"_s).appendRecord({day,
                                       QTime(hour, 0),
                                       {},
                                       language,
                                       {},
                                       right,
                                       wrong,
                                       1,
                                       2,
                                       chosen,
                                       2,
                                       worst,
                                       1,
                                       exam::kNoTimeLimit,
                                       {},
                                       type});
    }

    exam::ProgressData progress() {
        return exam::computeProgress(folder.path(), table(u"dictonary"_s), {97, 92, 75, 60, 20});
    }
};

TEST_F(Progress, ShowsFinishedExamsWeeksAndKnownWordsOfLessons) {
    addExam({2026, 12, 8}, 10, u"Anglicky"_s, 19, 1, 10, 0, 2); // 20 asks, 95 %
    addExam({2026, 11, 24}, 9, u"Česky"_s, 3, 1, 1, 2, 1);      // 4 asks, 75 %
    addExam({2026, 12, 7}, 18, u"Anglicky"_s, 8, 0, 4, 0, 2);   // all right
    addExam({2026, 12, 9}, 8, u"Anglicky"_s, {}, {}, 4, 0, 2);  // never ended
    addExam({2026, 12, 9}, 9, u"Anglicky"_s, 5, 0, 4, 0, 100);  // pronunciation training
    table(u"dictonary"_s).appendRecord({u"a"_s, u"x"_s, 1, 3, 1});
    table(u"dictonary"_s).appendRecord({u"b"_s, u"y"_s, 1, 1, 1});
    table(u"dictonary"_s).appendRecord({u"c"_s, u"z"_s, 2, 0, 0});
    table(u"dictonary"_s).setFilter(u"Lekce = 2"_s);
    table(u"dictonary"_s).setFiltered(true);

    const exam::ProgressData data = progress();
    QStringList exams;
    for (const exam::ExamPoint& point : data.exams) {
        exams << u"%1 %2 %3 %4"_s.arg(point.when.toString(u"d.M. H"_s), point.language)
                     .arg(point.percent)
                     .arg(point.grade);
    }
    EXPECT_EQ(exams, (QStringList{u"24.11. 9 Česky 75 3-"_s, u"7.12. 18 Anglicky 100 1*"_s,
                                  u"8.12. 10 Anglicky 95 2"_s}));
    QStringList weeks;
    for (const exam::WeekCount& week : data.weeks)
        weeks << week.monday.toString(u"d.M."_s) + u' ' + QString::number(week.exams);
    EXPECT_EQ(weeks, (QStringList{u"23.11. 1"_s, u"30.11. 0"_s, u"7.12. 2"_s}));
    QStringList lessons;
    for (const exam::LessonShare& lesson : data.lessons)
        lessons << u"%1: %2 z %3, %4 %"_s.arg(lesson.lesson)
                       .arg(lesson.known)
                       .arg(lesson.words)
                       .arg(lesson.percent());
    EXPECT_EQ(lessons, (QStringList{u"1: 1 z 2, 50 %"_s, u"2: 0 z 1, 0 %"_s}));
}

TEST_F(Progress, AUserWithoutHistoryHasNone) {
    QFile::remove(folder.path(u"exam.db"_s));
    EXPECT_TRUE(progress().noHistory());
}

} // namespace
