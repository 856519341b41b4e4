#pragma once

#include "entry/testwordrules.h"
#include "exam/prepareexam.h"

#include <QString>

#include <optional>
#include <vector>

namespace core {
class RandomSource;
}

namespace exam {

// The grade average an exam must reach on a question's last ask, times ten (10 … 40).
struct AverageLimit {
    int value = 20;
    QString message; // the error to show when the chosen text was refused; else empty
};

// Reads the selected text of the grade average list ("2.0"): a number with a decimal point,
// times ten and rounded half to even, kept within 1.0 … 4.0.
AverageLimit averageLimit(const std::optional<QString>& text);

// One accepted answer of the question being asked.
struct Answer {
    QString text;        // Odpoved
    QString testWord;    // Filterodpoved
    QString description; // Popis
    bool own = false;    // Auto = 1: the answer of the entry the question came from
};

// The questions of a prepared exam while the exam window asks them: the random pick among
// the questions with asks left, the check of a typed answer against every accepted answer and
// the grades given. The tables stay open and are closed by whoever prepared them.
class ExamRun {
public:
    ExamRun(const ExamTables& tables, entry::TestWordRules rules, int averageLimit);
    // Leaves the tables unfiltered and unbound, as the next preparation expects them.
    ~ExamRun();
    ExamRun(const ExamRun&) = delete;
    ExamRun& operator=(const ExamRun&) = delete;

    // Shows only the questions with asks left and binds the answers and the grades to the
    // current question.
    void begin();
    bool questionsLeft();

    // Moves to a question chosen at random among those with asks left, each equally likely.
    void pickQuestion(core::RandomSource& random);
    QString question();
    QString questionTestWord();
    const std::vector<Answer>& answers() const { return m_answers; }
    // The row of the answer of the question's own entry, the first if none says so.
    int ownAnswerRow() const;

    // The first answer whose test word equals that of the typed text, exactly.
    std::optional<int> matchingAnswer(const QString& typed) const;

    // Records grade 1 … 5 for the current question: its running average, its right or wrong
    // count, one more grade row, and one ask less unless the last planned ask fell short of
    // the average limit. True when an ask was taken off.
    bool recordGrade(int grade);

private:
    void loadAnswers();

    ExamTables m_tables;
    entry::TestWordRules m_rules;
    int m_averageLimit;
    std::vector<Answer> m_answers;
};

} // namespace exam
