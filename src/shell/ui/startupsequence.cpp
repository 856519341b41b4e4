// What happens between the first showing of the main window and the first dictionary
// list on screen, and what happens when the program ends.
#include "shell/ui/mainwindow.h"

#include "app/helppages.h"
#include "app/tempfolder.h"

#include "core/fileerror.h"
#include "dictionary/gridlayout.h"
#include "entry/ui/keyboardlayoutdialog.h"
#include "entry/ui/wordentrydialog.h"
#include "exam/colorvalue.h"
#include "exam/ui/examwindow.h"
#include "shell/tablechecks.h"
#include "shell/ui/admindialog.h"
#include "shell/ui/dictionarypane.h"
#include "shell/ui/logindialog.h"
#include "shell/ui/maindialogs.h"
#include "sound/audioerror.h"
#include "sound/ui/soundwindow.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStatusBar>

namespace shell {

void MainWindow::runStartup() {
    if (QFile::exists(m_state.path(QStringLiteral("first.txt"))))
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kFirstRun);

    readSettingFile(m_state.path(QStringLiteral("setting.ini")));
    m_pane->fillLessonList(m_state.lessonCount);
    m_dialogs->wordEntry->setLessonCount(m_state.lessonCount);
    // The exam settings offer the same lessons, from 0 to 1.
    m_exams.parameters.lessonCount = m_state.lessonCount;
    m_exams.parameters.fromLesson = 0;
    m_exams.parameters.toLesson = 1;

    const bool loggedIn = runLoginLoop();
    setWindowTitle(windowTitle() + QStringLiteral(" - Přihlášen je uživatel \"") +
                   m_state.userName + u'"');
    if (loggedIn) {
        restoreWindowPlacement();
        readUserSettings();
        if (const std::optional<QString> failure = checkExamTables(m_state)) {
            m_services.messages.error(*failure);
            m_state.closeWithoutAsking = true;
            requestClose();
        }
        try {
            dictionary::saveGridLayout(m_state.path(QStringLiteral("grid.tmp")),
                                       dictionary::designedGridColumns());
        } catch (const core::FileError&) {
            m_services.messages.error(QStringLiteral("Nelze zapsat dočasný soubor."));
            requestClose();
        }
        if (!m_pane->listDictionaries())
            return; // the program stays open without dictionaries
        // The keyboard starts where the work starts: Enter opens the chosen dictionary.
        m_pane->focusDictionaryList();
    }
    m_dialogs->keyboardLayouts->fillLayoutLists();
    statusBar()->showMessage(m_dialogs->keyboardLayouts->loadLayoutSettings());
    playFile(QStringLiteral("hallo"), false);
}

bool MainWindow::runLoginLoop() {
    for (;;) {
        if (m_dialogs->login->run(m_preselectedUser) != LoginDialog::Outcome::LoggedIn) {
            m_state.loginCancelled = true;
            m_state.closeWithoutAsking = true;
            requestClose();
            return false;
        }
        // The administrator administers the users and never reaches the dictionaries.
        const QString user = m_users.field(QStringLiteral("User")).asString();
        if (user != u"administrator") {
            if (!holdUser(user))
                continue; // another program works with the user: the login again
            m_state.userName = user;
            return true;
        }
        m_dialogs->admin->run();
    }
}

void MainWindow::readUserSettings() {
    const QString userSettings = QDir(m_state.userFolder()).filePath(QStringLiteral("setting.ini"));
    if (QFile::exists(userSettings))
        readSettingFile(userSettings);
    try {
        exam::readExamIni(QDir(m_state.userFolder()).filePath(QStringLiteral("exam.ini")),
                          m_exams.examIni, m_exams.parameters);
    } catch (const core::FileError& error) {
        m_services.messages.error(error.message());
    }
    applyExamIni();
}

void MainWindow::readSettingFile(const QString& path) {
    try {
        exam::readSettingIni(path, m_exams.settingIni, m_exams.parameters);
    } catch (const core::FileError& error) {
        m_services.messages.error(error.message());
    }
    m_state.lessonCount = m_exams.settingIni.lessonCount;
    m_state.recordAsWave = m_exams.settingIni.recordWave;
    m_state.recordingFormat = m_exams.settingIni.recordingFormat;
    applyFontSize(m_exams.settingIni.fontSize);
}

void MainWindow::applyFontSize(int size) {
    if (size == exam::SettingIni::kUnchangedFontSize)
        return;
    // The notes pane takes only the small sizes, which let more of the notes show.
    constexpr int kSmallestKeptNotesSize = 10;
    const QFont notesFont = m_pane->notesFont();
    QFont resized = font();
    resized.setPointSize(size);
    setFont(resized);
    if (size >= kSmallestKeptNotesSize)
        m_pane->setNotesFont(notesFont);
    QList<QWidget*> dialogs = m_dialogs->sizedBySettings();
    dialogs.append(m_soundWindow);
    for (QWidget* dialog : std::as_const(dialogs)) {
        QFont dialogFont = dialog->font();
        dialogFont.setPointSize(size);
        dialog->setFont(dialogFont);
    }
}

// What exam.ini says about the windows: Esc, the exam window's look, and the word entry
// dialog's look, jump and description kind.
void MainWindow::applyExamIni() {
    m_state.escapeMinimizes = m_exams.examIni.escapeMinimizes;
    // A picture that cannot be loaded is named in a message and left out.
    const auto picture = [this](const QString& fileName) {
        if (fileName.isEmpty())
            return QImage();
        QImage image(QDir(m_state.userFolder()).filePath(fileName));
        if (image.isNull())
            m_services.messages.error(exam::pictureLoadMessage(fileName));
        return image;
    };
    entry::WordEntryDialog& wordEntry = *m_dialogs->wordEntry;
    m_dialogs->examWindow->applyLook(m_exams.examIni.examWindow,
                                     picture(m_exams.examIni.examWindow.backgroundPicture));
    if (!m_exams.examIni.entryDialog.backgroundPicture.isEmpty())
        wordEntry.setBackgroundPicture(picture(m_exams.examIni.entryDialog.backgroundPicture));
    const exam::EntryDialogLook& entryLook = m_exams.examIni.entryDialog;
    const QPalette designed = wordEntry.palette();
    const auto color = [&designed](const std::optional<exam::ColorValue>& value) {
        return value ? std::optional(exam::toQColor(*value, designed)) : std::nullopt;
    };
    wordEntry.setColors({color(entryLook.background), color(entryLook.font),
                         color(entryLook.editBackground), color(entryLook.editFont),
                         color(entryLook.checkBoxFont), color(entryLook.buttonFont),
                         color(entryLook.charButtonFont)});
    if (entryLook.jump)
        wordEntry.setJump(true);
    if (entryLook.fullScreen)
        wordEntry.setFullScreen();
    if (m_exams.examIni.entryDialog.multiRow)
        wordEntry.setMultiLineDescription(true);
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

void MainWindow::runShutdown() {
    saveWindowPlacement();
    app::emptyTempFolder(m_state.path(QStringLiteral("Temp")));
    QFile::remove(m_state.path(QStringLiteral("first.txt")));
    playFile(QStringLiteral("by"), true);
}

} // namespace shell
