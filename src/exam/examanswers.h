#pragma once

#include "exam/examparameters.h"
#include "exam/examreport.h"

namespace core {
class Messages;
}

namespace exam {

struct ExamTables;

inline constexpr auto kEntryNotTransferredMessage =
    u"Informace nemohly být kompletně zapsány do hlavní tabulky.";

// Makes deprun.db and runzn.db follow runtime.db, so that they show the current question's
// answer and grade rows.
void bindToQuestions(const ExamTables& tables);

// The work on the exam's tables when an exam closes. Each binds the tables so and leaves
// runtime.db unfiltered.

// Removes the questions never answered (no right nor wrong answer) with all their answer
// and grade rows.
void dropUnansweredQuestions(const ExamTables& tables);

// Adds every question's right and wrong answers to the dictionary entry it was chosen from
// (its answer row with Auto 1), found by the pair in the order of the question language.
// An entry no longer there gets the message, once per question, and the walk goes on.
void transferAnswerCounts(const ExamTables& tables, QuestionLanguage language,
                          core::Messages& messages);

ExamTotals countExamTotals(const ExamTables& tables);

} // namespace exam
