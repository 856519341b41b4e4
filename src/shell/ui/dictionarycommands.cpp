// The main window's commands on whole dictionaries: creating one, replacing its settings
// by a prepared set, and backing up the user's dictionaries.
#include "shell/ui/mainwindow.h"

#include "core/fileerror.h"
#include "dictionary/newdictionary.h"
#include "dictionary/setiniwriter.h"
#include "dictionary/ui/newdictionarydialog.h"
#include "dictionary/ui/settingssetchooser.h"
#include "shell/backup.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>

namespace shell {

void MainWindow::createDictionary() {
    if (const auto choice = m_newDictionaryDialog->run()) {
        std::optional<QString> settingsSet;
        if (!choice->manual)
            settingsSet = m_settingsSetChooser->run();
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
    finishGridRow();
    m_table1.close();
    m_notes->clear();
    m_description->clear();
    m_searchEdit->clear();
    listDictionaries();
}

void MainWindow::loadSettingsSet() {
    if (!dictionaryOpen())
        return;
    const QString folder = m_table1.databaseName();
    dictionary::ensureDictionaryCodeIni(m_services.messages, m_state.userFolder(), folder);
    if (const std::optional<QString> chosen = m_settingsSetChooser->run()) {
        try {
            dictionary::replaceSettingsBySet(folder, *chosen);
            m_services.messages.information(QStringLiteral("Nastavení bylo změněno."));
        } catch (const core::FileError& error) {
            m_services.messages.error(error.message());
        }
    }
    openSelectedDictionary();
}

void MainWindow::backUp() {
    // No table of the user may be held open while the script copies the folder.
    finishGridRow();
    m_table1.close();
    m_pomTable.close();
    const BackupCommand command = backupCommand(m_state, m_services.clock.now());
    const bool started = startBackup(m_services.system, command);
    openSelectedDictionary();
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
