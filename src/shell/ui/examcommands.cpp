// The main window's exam commands: the automatic exam, the self-evaluation exam and the
// pronunciation training. Each is confirmed in the exam settings dialog, prepared over the
// open dictionary into the working tables and asked in the exam window.
#include "shell/ui/mainwindow.h"

#include "exam/prepareexam.h"
#include "exam/ui/examsettingsdialog.h"
#include "exam/ui/examwindow.h"
#include "shell/ui/longwalk.h"

#include <QStatusBar>
#include <QTableView>

namespace shell {

void MainWindow::connectExamCommands() {
    enableCommand("AutoExam", [this] { startExam(exam::ExamType::Automatic); });
    enableCommand("SelfExam", [this] { startExam(exam::ExamType::SelfEvaluation); });
    enableCommand("Pronunciation", [this] { startExam(exam::ExamType::Training); });
}

void MainWindow::startExam(exam::ExamType type) {
    if (!dictionaryOpen()) {
        refreshWordState();
        return;
    }
    const std::optional<exam::ExamParameters> confirmed =
        m_examSettings->run(m_examParameters, type, m_state.otherLanguage);
    if (!confirmed)
        return;
    m_examParameters = *confirmed;

    m_examTable.setDatabaseName(m_state.userFolder());
    m_examTable.setTableName(QStringLiteral("exam.db"));
    const std::pair<store::Cursor*, const char*> workingTables[] = {
        {&m_runtimeTable, "runtime.db"}, {&m_depRunTable, "deprun.db"}, {&m_znTable, "runzn.db"}};
    for (const auto& [table, fileName] : workingTables) {
        table->setDatabaseName(m_state.otherFolder());
        table->setTableName(QString::fromLatin1(fileName));
    }
    const exam::ExamTables tables{m_pomTable, m_examTable, m_runtimeTable, m_depRunTable,
                                  m_znTable};
    std::optional<exam::ExamHandover> handover;
    {
        LongWalk walk(*m_grid, *m_progress);
        const exam::PreparationContext context{m_state.otherLanguage, m_state.soundFolder,
                                               m_services.messages,   m_services.clock,
                                               m_services.random,     walk.progress()};
        handover = exam::prepareExam(tables, m_examParameters, context);
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
    exam::ExamEvaluation evaluation;
    evaluation.gradeThresholds = m_settingIni.gradeThresholds;
    evaluation.display = m_examIni.results;
    evaluation.applicationFolder = m_state.applicationFolder;
    evaluation.userFolder = m_state.userFolder();
    return m_examWindow->run({tables, handover, m_examParameters, m_testWordRules, m_czechFont,
                              m_otherFont, m_descriptionFont, evaluation});
}

} // namespace shell
