// The main window's exam commands: the automatic exam, the self-evaluation exam and the
// pronunciation training. Each is confirmed in the exam settings dialog and prepared over the
// open dictionary into the working tables.
#include "shell/ui/mainwindow.h"

#include "core/randomsource.h"
#include "exam/prepareexam.h"
#include "exam/ui/examsettingsdialog.h"
#include "shell/ui/longwalk.h"

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
    core::ClockRandomSource random(m_services.clock);
    std::optional<exam::ExamHandover> handover;
    {
        LongWalk walk(*m_grid, *m_progress);
        const exam::PreparationContext context{m_state.otherLanguage,
                                               m_state.soundFolder,
                                               m_services.messages,
                                               m_services.clock,
                                               random,
                                               walk.progress()};
        handover = exam::prepareExam(tables, m_examParameters, context);
    }
    if (!handover)
        return;
    // The questions are ready in the working tables, but no window asks them yet.
    m_services.messages.information(QStringLiteral("Okno zkoušení zatím není k dispozici."));
    exam::closeExamTables(tables);
}

} // namespace shell
