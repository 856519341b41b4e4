#include "exam/examrun.h"

#include "examtablesfixture.h"
#include "scriptedrandom.h"

namespace {

class ExamRunTest : public ExamTablesFixture {
protected:
    void addQuestion(const QString& question, int asks,
                     const std::vector<std::pair<QString, int>>& answers) {
        table(u"runtime"_s).appendRecord({question, question, asks, 0, 0, 0});
        for (const auto& [answer, autoValue] : answers)
            table(u"deprun"_s)
                .appendRecord({question, answer, answer, QString(u"popis "_s + answer), autoValue});
    }

    // A field of the first question, read past the exam's filter.
    QString field(const QString& name) { return rows(u"runtime"_s, {name}).value(0); }

    ScriptedRandom random;
};

TEST(AverageLimitTest, ReadsTheChosenAverage) {
    const QString prefix = u"Chybná hodnota udaná pro známkový průměr. Hodnoty jsou definovány v "
                           u"souboru \"setting.ini\". Průměr byl nastaven na hodnotu "_s;
    const struct {
        std::optional<QString> text;
        int limit;
        QString messageEnd;
    } cases[] = {
        {u"2"_s, 20, {}},
        {u"2.75"_s, 28, {}},
        {u"2.25"_s, 22, {}},
        {u"-3"_s, 30, {}},
        {u"1"_s, 10, {}},
        {u"4"_s, 40, {}},
        {u"0.5"_s, 10, u"1.0"_s},
        {u"4.5"_s, 40, u"4.0"_s},
        {u"abc"_s, 20, u"2.0"_s},
        {u"2,5"_s, 20, u"2.0"_s},
        {std::nullopt, 20, u"2.0"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.value_or(u"(none)"_s).toStdString());
        const exam::AverageLimit limit = exam::averageLimit(c.text);
        EXPECT_EQ(limit.value, c.limit);
        EXPECT_EQ(limit.message, c.messageEnd.isEmpty() ? QString() : prefix + c.messageEnd);
    }
}

// Grades given to one question: its asks left and running average after each, with the
// average limit 2.0.
TEST_F(ExamRunTest, AQuestionIsAskedUntilItsAverageIsReached) {
    const struct {
        int asks;
        std::vector<int> grades;
        std::vector<int> asksLeft;
        std::vector<int> averages;
        int right;
        int wrong;
    } cases[] = {
        {1, {3, 1}, {1, 0}, {30, 20}, 1, 1},
        {3, {5, 5, 1, 1}, {2, 1, 1, 0}, {50, 50, 30, 20}, 2, 2},
        {2, {2, 4, 1}, {1, 1, 0}, {20, 30, 20}, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grades.size());
        for (const QString& kind : {u"runtime"_s, u"deprun"_s, u"runzn"_s})
            table(kind).emptyTable();
        addQuestion(u"pes"_s, c.asks, {{u"dog"_s, 1}});
        exam::ExamRun run(tables(), {}, 20);
        run.begin();
        QStringList grades;
        for (size_t i = 0; i < c.grades.size(); ++i) {
            ASSERT_TRUE(run.questionsLeft());
            run.pickQuestion(random);
            EXPECT_EQ(run.recordGrade(c.grades[i]),
                      c.asksLeft[i] < (i == 0 ? c.asks : c.asksLeft[i - 1]));
            EXPECT_EQ(field(u"Prumer"_s), QString::number(c.averages[i])) << "grade " << i;
            grades << u"%1|%2"_s.arg(i + 1).arg(c.grades[i]);
        }
        EXPECT_FALSE(run.questionsLeft());
        EXPECT_EQ(rows(u"runtime"_s, {u"Celkem"_s, u"Dobre"_s, u"Spatne"_s}),
                  QStringList{u"0|%1|%2"_s.arg(c.right).arg(c.wrong)});
        EXPECT_EQ(rows(u"runzn"_s, {u"ZkouseniCislo"_s, u"Znamka"_s}), grades);
    }
}

TEST_F(ExamRunTest, PicksAmongTheQuestionsWithAsksLeftAndChecksEveryAnswer) {
    addQuestion(u"auto"_s, 1, {{u"car"_s, 1}});
    addQuestion(u"pes"_s, 1, {{u"dog"_s, 1}, {u"hound"_s, 5}});
    addQuestion(u"řeka"_s, 1, {{u"river"_s, 1}});
    {
        exam::ExamRun run(tables(), {}, 20);
        run.begin();

        random.picks = {1};
        run.pickQuestion(random);
        ASSERT_EQ(run.answers().size(), 2U);
        EXPECT_EQ(std::tuple(run.question(), run.answers()[run.ownAnswerRow()].text,
                             run.answers()[1].description),
                  std::tuple(u"pes"_s, u"dog"_s, u"popis hound"_s));
        // Another entry's answer is right too.
        EXPECT_EQ(std::tuple(run.matchingAnswer(u"hound"_s), run.matchingAnswer(u"dog"_s),
                             run.matchingAnswer(u"cat"_s)),
                  std::tuple(1, 0, std::nullopt));
        run.recordGrade(1);

        // "pes" has left the view: the second question is now "řeka".
        random.picks = {1};
        run.pickQuestion(random);
        EXPECT_EQ(run.question(), u"řeka"_s);
        EXPECT_EQ(random.reseeds, 2) << "a new sequence for every question";
    }
    // The run leaves the tables unfiltered and unbound.
    EXPECT_EQ(table(u"runtime"_s).recordCount(), 3);
    EXPECT_EQ(table(u"deprun"_s).recordCount(), 4);
}

} // namespace
