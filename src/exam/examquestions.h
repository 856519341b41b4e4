#pragma once

#include "core/codepage.h"
#include "exam/examparameters.h"
#include "exam/preparationprogress.h"

#include <QString>

namespace store {
class Cursor;
}

namespace exam {

// The two sides of a dictionary entry as an exam puts them (GetQuestionSides).
struct QuestionSides {
    QString question;
    QString answer;
    QString questionTestWord;
    QString answerTestWord;
};

QuestionSides questionSides(store::Cursor& dictionary, QuestionLanguage language);

// Adds the questions of an exam to runtime.db and their first answers to deprun.db
// (AddExamQuestion).
class QuestionWriter {
public:
    // soundFolder ends with '/', or is empty when the dictionary has no sounds; it is
    // consulted only when the exam takes words with a sound alone.
    QuestionWriter(store::Cursor& runtime, store::Cursor& deprun, const ExamParameters& parameters,
                   const QString& soundFolder, const core::CodePage& soundNames,
                   ProgressCounter& progress);

    // Adds the dictionary's current entry as a question asked `times` times; a question that
    // is already there grows by `times` only when reAdd is set. Returns whether a question was
    // added or grew.
    bool add(store::Cursor& dictionary, bool reAdd, int times);

private:
    bool hasSound(const QuestionSides& sides) const;

    store::Cursor& m_runtime;
    store::Cursor& m_deprun;
    QuestionLanguage m_language;
    bool m_onlyWithSound;
    QString m_soundFolder;
    const core::CodePage& m_soundNames;
    ProgressCounter& m_progress;
};

} // namespace exam
