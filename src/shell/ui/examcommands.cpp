// The main window's exam commands: the automatic exam, the self-evaluation exam and the
// pronunciation training. Each is confirmed in the exam settings dialog, prepared over the
// open dictionary into the working tables and asked in the exam window or trained in the
// training window.
#include "shell/ui/mainwindow.h"

#include "core/usererror.h"
#include "entry/ui/wordentrydialog.h"
#include "exam/prepareexam.h"
#include "exam/progressdata.h"
#include "exam/ui/examsettingsdialog.h"
#include "exam/ui/examwindow.h"
#include "exam/ui/progresswindow.h"
#include "exam/ui/trainingwindow.h"
#include "shell/ui/dictionarypane.h"
#include "shell/ui/longwalk.h"
#include "shell/ui/maindialogs.h"

#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>

namespace shell {

void MainWindow::startExam(exam::ExamType type) {
    if (!m_pane->dictionaryOpen()) {
        m_pane->refreshWordState();
        return;
    }
    const std::optional<exam::ExamParameters> confirmed =
        m_dialogs->examSettings->run(m_exams.parameters, type, m_state.otherLanguage);
    if (!confirmed)
        return;
    m_exams.parameters = *confirmed;

    const exam::ExamTables tables =
        m_exams.bind(m_pane->pomTable(), m_state.userFolder(), m_state.otherFolder());
    std::optional<exam::ExamHandover> handover;
    {
        LongWalk walk(m_pane->grid(), *m_progress);
        const exam::PreparationContext context{
            m_state.otherLanguage, m_state.soundFolder, m_services.messages,    m_services.clock,
            m_services.random,     walk.progress(),     m_state.foreignCodePage};
        handover = exam::prepareExam(tables, m_exams.parameters, context);
    }
    if (!handover)
        return;
    if (type == exam::ExamType::Training) {
        m_dialogs->training->run(tables, handover->askCount, m_pane->fonts().other);
        // The training played its words on the main player; it goes back to the current word.
        m_pane->refreshWordState();
    } else {
        const DictionaryFonts& fonts = m_pane->fonts();
        // The answer box types the special characters of the answer's language.
        exam::ExamWindow& examWindow = *m_dialogs->examWindow;
        entry::CharacterMenu& characters =
            m_exams.parameters.questionLanguage == exam::QuestionLanguage::Czech
                ? m_dialogs->wordEntry->foreignMenu()
                : m_dialogs->wordEntry->czechMenu();
        characters.attach(&examWindow.answerBox());
        const std::optional<QString> report =
            examWindow.run({tables, *handover, m_exams.parameters, m_pane->testWordRules(),
                            fonts.czech, fonts.other, fonts.description,
                            m_exams.evaluation(m_state.applicationFolder, m_state.userFolder())});
        characters.detach(&examWindow.answerBox());
        m_pane->table1().refresh();
        if (report)
            statusBar()->showMessage(QStringLiteral("Výsledky zapsány do ") +
                                     m_state.shownPath(*report));
    }
    exam::closeExamTables(tables);
}

void MainWindow::showProgress() {
    try {
        exam::ProgressWindow window(exam::computeProgress(m_state.userFolder(), m_pane->table1(),
                                                          m_exams.settingIni.gradeThresholds),
                                    m_services, this);
        m_services.modals.exec(window);
    } catch (const core::UserError& error) {
        m_services.messages.error(error.message());
    }
}

} // namespace shell
