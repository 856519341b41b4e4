// What happens between the first showing of the main window and the first dictionary
// list on screen, and what happens when the program ends.
#include "shell/ui/mainwindow.h"

#include "shell/helppages.h"

#include "core/fileerror.h"
#include "dictionary/dictionaryfolders.h"
#include "dictionary/gridlayout.h"
#include "entry/ui/wordentrydialog.h"
#include "shell/settingini.h"
#include "shell/tablechecks.h"
#include "shell/tempfolder.h"
#include "shell/ui/admindialog.h"
#include "shell/ui/logindialog.h"
#include "sound/audioerror.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStatusBar>

namespace shell {

void MainWindow::runStartup() {
    if (QFile::exists(m_state.path(QStringLiteral("first.txt"))))
        openHelpPage(m_services.system, m_state, helppage::kFirstRun);

    m_state.lessonCount = 100;
    try {
        readSettingIni(m_state.path(QStringLiteral("setting.ini")), m_state);
    } catch (const core::FileError& error) {
        m_services.messages.error(error.message());
    }
    fillLessonLists();

    const bool loggedIn = runLoginLoop();
    setWindowTitle(windowTitle() + QStringLiteral(" - Přihlášen je uživatel \"") +
                   m_state.userName + u'"');
    if (loggedIn) {
        readUserSettings();
        checkTables();
        saveGridLayout();
        if (!listDictionaries())
            return; // the program stays open without dictionaries
        // The keyboard starts where the work starts: Enter opens the chosen dictionary.
        m_dictionaryList->setFocus();
    }
    playGreeting();
}

void MainWindow::fillLessonLists() {
    m_lessonCombo->clear();
    m_lessonCombo->addItem(QStringLiteral("vše"));
    for (int lesson = 0; lesson < m_state.lessonCount; ++lesson)
        m_lessonCombo->addItem(QString::number(lesson));
    m_lessonCombo->setCurrentIndex(0);
    m_wordEntryDialog->setLessonCount(m_state.lessonCount);
}

bool MainWindow::runLoginLoop() {
    for (;;) {
        if (m_loginDialog->run(m_preselectedUser) != LoginDialog::Outcome::LoggedIn) {
            m_state.loginCancelled = true;
            m_state.closeWithoutAsking = true;
            requestClose();
            return false;
        }
        // The administrator administers the users and never reaches the dictionaries.
        const QString user = m_users.field(QStringLiteral("User")).asString();
        if (user != u"administrator") {
            m_state.userName = user;
            return true;
        }
        m_adminDialog->run();
    }
}

void MainWindow::readUserSettings() {
    const QString userSettings = QDir(m_state.userFolder()).filePath(QStringLiteral("setting.ini"));
    try {
        if (QFile::exists(userSettings))
            readSettingIni(userSettings, m_state);
    } catch (const core::FileError& error) {
        m_services.messages.error(error.message());
    }
    QFile examIni(QDir(m_state.userFolder()).filePath(QStringLiteral("exam.ini")));
    if (!examIni.open(QIODevice::ReadOnly))
        m_services.messages.error(QStringLiteral("Chyba při čtení souboru \"exam.ini\"."));
}

void MainWindow::checkTables() {
    if (const std::optional<QString> failure = checkExamTables(m_state)) {
        m_services.messages.error(*failure);
        m_state.closeWithoutAsking = true;
        requestClose();
    }
}

void MainWindow::saveGridLayout() {
    try {
        dictionary::saveGridLayout(m_state.path(QStringLiteral("grid.tmp")),
                                   dictionary::designedGridColumns());
    } catch (const core::FileError&) {
        m_services.messages.error(QStringLiteral("Nelze zapsat dočasný soubor."));
        requestClose();
    }
}

bool MainWindow::listDictionaries() {
    m_dictionaryList->clear();
    try {
        m_dictionaryList->addItems(dictionary::listDictionaries(m_state.userFolder()));
    } catch (const core::FileError& error) {
        m_services.messages.error(error.message());
        return false;
    }
    m_dictionaryList->setCurrentRow(-1);
    return true;
}

void MainWindow::playFile(const QString& baseName, bool wait) {
    for (const char* extension : {".wav", ".mp3"}) {
        const QString path = m_state.path(baseName + QString::fromLatin1(extension));
        if (!QFile::exists(path))
            continue;
        try {
            m_player.setFileName(path);
            m_player.open();
            m_player.setWait(wait);
            m_player.play();
        } catch (const sound::AudioError&) {
            statusBar()->showMessage(QStringLiteral("Pozdrav nelze nahrát."));
        }
        return;
    }
}

void MainWindow::playGreeting() {
    playFile(QStringLiteral("hallo"), false);
}

void MainWindow::runShutdown() {
    emptyTempFolder(m_state.path(QStringLiteral("Temp")));
    QFile::remove(m_state.path(QStringLiteral("first.txt")));
    playFile(QStringLiteral("by"), true);
}

} // namespace shell
