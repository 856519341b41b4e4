#pragma once

#include "core/codepage.h"
#include "exam/examparameters.h"
#include "exam/preparationprogress.h"

#include <QString>

#include <optional>

namespace core {
class Clock;
class Messages;
class RandomSource;
} // namespace core
namespace store {
class Cursor;
}

namespace exam {

// The tables an exam works on, bound to their files by the main window: the second cursor on
// the open dictionary (PomTable), the user's exam history (exam.db) and the working tables of
// _other_ (runtime.db, deprun.db, runzn.db).
struct ExamTables {
    store::Cursor& dictionary;
    store::Cursor& history;
    store::Cursor& runtime;
    store::Cursor& deprun;
    store::Cursor& runzn;
};

// What a preparation needs besides the tables and the settings.
struct PreparationContext {
    QString foreignLanguageItem; // the second question-language item, stored in the history
    QString soundFolder;         // ends with '/'; empty when the dictionary has no sounds
    core::Messages& messages;
    const core::Clock& clock;
    core::RandomSource& random;
    PreparationProgress progress;
    const core::CodePage* soundNames = &core::CodePage::windows1250(); // of the foreign words
};

// What the exam window (or the training window) is given when the preparation has chosen
// at least one question.
struct ExamHandover {
    int questionCount = 0; // runtime.db rows
    int askCount = 0;      // the sum of Celkem: the window's progress bar maximum
    QString countPrefix;   // questionCount + "  -  počet dotazů(odpovědí) minimálně   "
    QString countCaption;  // countPrefix + askCount, for the label CountAll
    // The language of the answers, whose special-character menu the answer box gets.
    QuestionLanguage answerLanguage = QuestionLanguage::Foreign;
};

inline constexpr auto kCannotOpenExamTablesMessage =
    u"Není možné otevřít databázi \"exam.db\" nebo \"runtime.db\" nebo \"deprun.db\" v adresari "
    u"_other_.";
inline constexpr auto kNothingToExamMessage =
    u"Zkoušet se nebude, dle zadaných parametrů není žádné slovíčko ke zkoušení.";
inline constexpr auto kExamFailureMessage =
    u"Nedefinovaná chyba při zkoušení - už toho nech já toho mám taky dost.\r\nHlašení zní:\r\n";

// Prepares an exam confirmed in the exam settings: opens the tables, empties the working
// tables, appends the history record, chooses the words, writes the questions and their
// accepted answers. Returns the handover with the tables left open for the exam window; the
// caller closes them with closeExamTables when the window is done. Otherwise it has shown
// its message (tables that cannot be opened, nothing to ask, any other failure with its
// text), closed the tables and returns nothing; the history record stays in every case
// but the first.
std::optional<ExamHandover> prepareExam(const ExamTables& tables, const ExamParameters& parameters,
                                        const PreparationContext& context);

void closeExamTables(const ExamTables& tables);

} // namespace exam
