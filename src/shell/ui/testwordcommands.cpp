// The main window's commands on the test words of the open dictionary: the evaluation
// settings, regeneration and the comma re-evaluation.
#include "shell/ui/mainwindow.h"

#include "core/usererror.h"
#include "entry/codeini.h"
#include "entry/commasplit.h"
#include "entry/regeneration.h"
#include "entry/ui/evaluationsettingsdialog.h"
#include "entry/ui/splitquestiondialog.h"
#include "exchange/dictionarycursor.h"
#include "shell/ui/longwalk.h"
#include "store/error.h"

#include <QComboBox>
#include <QDir>
#include <QStatusBar>
#include <QTableView>

namespace shell {
namespace {

const QString kCodeIniError = QStringLiteral("Chyba při čtení souboru \"code.ini\".");

} // namespace

bool MainWindow::dictionaryOpen() {
    return exchange::requireOpenDictionary(m_table1, m_services.messages);
}

void MainWindow::editEvaluationSettings() {
    if (!dictionaryOpen())
        return;
    const QString folder = m_table1.databaseName();
    loadTestWordRules(folder);
    const std::optional<entry::TestWordRules> edited = m_evaluationSettings->run(m_testWordRules);
    if (!edited)
        return;
    try {
        entry::writeCodeIni(QDir(folder).filePath(QStringLiteral("code.ini")), *edited);
        m_testWordRules = *edited;
        if (m_services.messages.ask(QStringLiteral(
                "Přegenerovat slovník podle nastavení. Pokud dáš \"ne\" změny se projeví jen u "
                "nově přidaných slovíček.")))
            regenerateTestWords();
    } catch (const core::UserError&) {
        m_services.messages.error(kCodeIniError);
    }
}

void MainWindow::regenerate() {
    if (!dictionaryOpen())
        return;
    try {
        regenerateTestWords();
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
    }
}

void MainWindow::regenerateTestWords() {
    LongWalk walk(*m_grid, *m_progress);
    m_lessonCombo->setCurrentIndex(0);
    statusBar()->showMessage(entry::regenerationDone(entry::regenerate(m_table1, walk.progress())));
}

void MainWindow::reevaluateCommas() {
    if (!dictionaryOpen())
        return;
    m_lessonCombo->setCurrentIndex(0);
    m_splitQuestion->setForeignFont(m_otherFont);
    std::optional<QString> failure;
    try {
        LongWalk walk(*m_grid, *m_progress);
        entry::reevaluateCommas(
            m_table1,
            [this](const QString& czech, const QString& other, entry::SplitProposal& proposal) {
                return m_splitQuestion->ask(czech, other, proposal);
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
