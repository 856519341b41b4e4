#pragma once

#include "exam/examini.h"
#include "exam/examparameters.h"

#include <QString>

#include <array>
#include <optional>

namespace core {
class Messages;
class SystemShell;
} // namespace core

namespace exam {

struct ExamTables;

inline constexpr auto kTemplateMissingMessage =
    u"Není možné otevřít soubor \"template.html\" v adresáři \"_Other_\".";
inline constexpr auto kReportNotWrittenMessage =
    u"Není možné zapsat vyhodnocení v adresáři \"results\" v adresáři uživatele, zkontroluj "
    u"volné místo na disku.";
inline constexpr auto kShowResultsQuestion = u"Zobrazit výsledky zkoušení ?";

// What the results step is told besides the tables, which stand open as the exam left them
// (the history cursor on this exam's record).
struct ExamEvaluation {
    bool interrupted = false;
    int plannedAsks = 0;   // Q: the exam window's progress maximum, the sum of Celkem
    int questionCount = 0; // N: runtime.db rows when the preparation ended
    QuestionLanguage questionLanguage = QuestionLanguage::Czech;
    std::array<quint8, 5> gradeThresholds{97, 92, 75, 60, 20};
    ResultDisplay display;
    QString applicationFolder; // the template is _other_/template.html under it
    QString userFolder;        // the report goes into its results folder
};

// Closes an exam: drops the never-answered questions of an interrupted exam, adds every
// question's right and wrong answers to its dictionary entry, completes the history record,
// writes the report from the template and opens it through the system when the display
// settings say so (asking first when they say that). Every failure is shown as its message
// (a report the system cannot open too); the caller closes the exam window afterwards in
// every case. Returns the path of the report written, if one was.
std::optional<QString> evaluateExam(const ExamTables& tables, const ExamEvaluation& evaluation,
                                    core::Messages& messages, core::SystemShell& system);

} // namespace exam
