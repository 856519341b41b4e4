// The main window's commands on whole dictionaries: creating one, replacing its settings
// by a prepared set, and backing up the user's dictionaries.
#include "shell/ui/mainwindow.h"

#include "core/fileerror.h"
#include "dictionary/newdictionary.h"
#include "dictionary/setiniwriter.h"
#include "dictionary/ui/newdictionarydialog.h"
#include "dictionary/ui/settingssetchooser.h"
#include "shell/backup.h"
#include "shell/ui/dictionarypane.h"
#include "shell/ui/maindialogs.h"

#include <QStatusBar>

namespace shell {

void MainWindow::createDictionary() {
    if (const auto choice = m_dialogs->newDictionary->run()) {
        std::optional<QString> settingsSet;
        if (!choice->manual)
            settingsSet = m_dialogs->settingsSetChooser->run();
        if (choice->manual || settingsSet) {
            dictionary::NewDictionary request;
            request.name = choice->name;
            request.manual = choice->manual;
            request.language = choice->language;
            request.note = choice->noteLines;
            request.fonts = {choice->czech, choice->other, choice->description};
            request.settingsSetPath = settingsSet.value_or(QString());
            dictionary::createDictionary(m_services.messages, m_state.userFolder(),
                                         m_state.emptyTableFolder(), m_state.applicationFolder,
                                         request);
        }
    }
    // No dictionary is open afterwards: nothing of the old one may stay in view.
    m_pane->closeDictionary();
}

void MainWindow::loadSettingsSet() {
    if (!m_pane->dictionaryOpen())
        return;
    const QString folder = m_pane->table1().databaseName();
    dictionary::ensureDictionaryCodeIni(m_services.messages, m_state.userFolder(), folder);
    if (const std::optional<QString> chosen = m_dialogs->settingsSetChooser->run();
        chosen && takeSafetyCopy(BulkWork::SettingsSet)) {
        try {
            dictionary::replaceSettingsBySet(folder, *chosen);
            m_services.messages.information(QStringLiteral("Nastavení bylo změněno."));
        } catch (const core::FileError& error) {
            m_services.messages.error(error.message());
        }
    }
    m_pane->openSelectedDictionary();
}

void MainWindow::backUp() {
    // No table of the user may be held open while the script copies the folder.
    m_pane->finishGridRow();
    m_pane->table1().close();
    m_pane->pomTable().close();
    const BackupCommand command = backupCommand(m_state, m_services.clock.now());
    const bool started = startBackup(m_services.system, command);
    m_pane->openSelectedDictionary();
    if (started) {
        statusBar()->showMessage(QStringLiteral("Zálohování spuštěno, záloha se zapíše do ") +
                                 m_state.shownPath(command.archive));
    } else {
        m_services.messages.error(
            QStringLiteral("Zálohování se nepodařilo spustit: systém nedokázal spustit \"%1\".")
                .arg(command.program));
    }
}

} // namespace shell
