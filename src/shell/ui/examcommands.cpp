// The main window's exam commands: the automatic exam, the self-evaluation exam and the
// pronunciation training. Each is confirmed in the exam settings dialog, prepared over the
// open dictionary into the working tables and asked in the exam window.
#include "shell/ui/mainwindow.h"

#include "entry/ui/keyboardlayoutdialog.h"
#include "entry/ui/wordentrydialog.h"
#include "exam/prepareexam.h"
#include "exam/ui/examsettingsdialog.h"
#include "exam/ui/examwindow.h"
#include "shell/ui/longwalk.h"

#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>

namespace shell {

void MainWindow::connectExamCommands() {
    enableCommand("AutoExam", [this] { startExam(exam::ExamType::Automatic); });
    enableCommand("SelfExam", [this] { startExam(exam::ExamType::SelfEvaluation); });
    enableCommand("Pronunciation", [this] { startExam(exam::ExamType::Training); });
    m_examWindow->setLayoutSwitch(
        [this](entry::LayoutRole role) { m_keyboardLayouts->activate(role); });
}

void MainWindow::startExam(exam::ExamType type) {
    if (!dictionaryOpen()) {
        refreshWordState();
        return;
    }
    const std::optional<exam::ExamParameters> confirmed =
        m_examSettings->run(m_exams.parameters, type, m_state.otherLanguage);
    if (!confirmed)
        return;
    m_exams.parameters = *confirmed;

    const exam::ExamTables tables =
        m_exams.bind(m_pomTable, m_state.userFolder(), m_state.otherFolder());
    std::optional<exam::ExamHandover> handover;
    {
        LongWalk walk(*m_grid, *m_progress);
        const exam::PreparationContext context{m_state.otherLanguage, m_state.soundFolder,
                                               m_services.messages,   m_services.clock,
                                               m_services.random,     walk.progress()};
        handover = exam::prepareExam(tables, m_exams.parameters, context);
    }
    if (!handover)
        return;
    if (type == exam::ExamType::Training) {
        // The questions are ready in the working tables, but no window trains them yet.
        m_services.messages.information(
            QStringLiteral("Okno cvičení výslovnosti zatím není k dispozici."));
    } else {
        const std::optional<QString> report = runExamWindow(tables, *handover);
        m_table1.refresh();
        if (report)
            statusBar()->showMessage(QStringLiteral("Výsledky zapsány do ") +
                                     m_state.shownPath(*report));
    }
    exam::closeExamTables(tables);
}

std::optional<QString> MainWindow::runExamWindow(const exam::ExamTables& tables,
                                                 const exam::ExamHandover& handover) {
    // The answer box types the special characters of the answer's language.
    entry::CharacterMenu& characters =
        m_exams.parameters.questionLanguage == exam::QuestionLanguage::Czech
            ? m_wordEntryDialog->foreignMenu()
            : m_wordEntryDialog->czechMenu();
    characters.attach(&m_examWindow->answerBox());
    std::optional<QString> report = m_examWindow->run(
        {tables, handover, m_exams.parameters, m_testWordRules, m_czechFont, m_otherFont,
         m_descriptionFont, m_exams.evaluation(m_state.applicationFolder, m_state.userFolder())});
    characters.detach(&m_examWindow->answerBox());
    return report;
}

} // namespace shell
