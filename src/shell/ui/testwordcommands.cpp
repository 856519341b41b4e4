// The main window's commands on the test words of the open dictionary: the evaluation
// settings, regeneration and the comma re-evaluation.
#include "shell/ui/mainwindow.h"

#include "core/usererror.h"
#include "entry/codeini.h"
#include "entry/commasplit.h"
#include "entry/regeneration.h"
#include "entry/ui/evaluationsettingsdialog.h"
#include "entry/ui/splitquestiondialog.h"
#include "shell/ui/dictionarypane.h"
#include "shell/ui/longwalk.h"
#include "shell/ui/maindialogs.h"
#include "store/error.h"

#include <QDir>
#include <QStatusBar>
#include <QTableView>

namespace shell {
namespace {

const QString kCodeIniError = QStringLiteral("Chyba při čtení souboru \"code.ini\".");

} // namespace

void MainWindow::editEvaluationSettings() {
    if (!m_pane->dictionaryOpen())
        return;
    const QString folder = m_pane->table1().databaseName();
    m_pane->loadTestWordRules(folder);
    const std::optional<entry::TestWordRules> edited =
        m_dialogs->evaluationSettings->run(m_pane->testWordRules());
    if (!edited)
        return;
    try {
        entry::writeCodeIni(QDir(folder).filePath(QStringLiteral("code.ini")), *edited);
        m_pane->setTestWordRules(*edited);
        if (m_services.messages.ask(QStringLiteral(
                "Přegenerovat slovník podle nastavení. Pokud dáš \"ne\" změny se projeví jen u "
                "nově přidaných slovíček.")))
            regenerateTestWords();
    } catch (const core::UserError&) {
        m_services.messages.error(kCodeIniError);
    }
}

void MainWindow::regenerate() {
    if (!m_pane->dictionaryOpen())
        return;
    try {
        regenerateTestWords();
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
    }
}

void MainWindow::regenerateTestWords() {
    if (!takeSafetyCopy(BulkWork::Regeneration))
        return;
    LongWalk walk(m_pane->grid(), *m_progress);
    m_pane->markAllLessonsShown();
    statusBar()->showMessage(entry::regenerationDone(
        entry::regenerate(m_pane->table1(), walk.progress(), walk.stillBusy())));
}

void MainWindow::reevaluateCommas() {
    if (!m_pane->dictionaryOpen() || !takeSafetyCopy(BulkWork::CommaWalk))
        return;
    m_pane->markAllLessonsShown();
    m_dialogs->splitQuestion->setForeignFont(m_pane->fonts().other);
    std::optional<QString> failure;
    try {
        LongWalk walk(m_pane->grid(), *m_progress);
        entry::reevaluateCommas(
            m_pane->table1(),
            [this](const QString& czech, const QString& other, entry::SplitProposal& proposal) {
                return m_dialogs->splitQuestion->ask(czech, other, proposal);
            },
            walk.progress());
    } catch (const store::Error& error) {
        failure = error.message();
    }
    m_services.messages.information(QStringLiteral("Přehodnocování je skončeno."));
    if (failure)
        m_services.messages.error(*failure);
}

} // namespace shell
