#include "shell/ui/mainwindow.h"

#include "app/helppages.h"
#include "dictionary/ui/newdictionarydialog.h"
#include "dictionary/ui/settingssetchooser.h"
#include "entry/ui/evaluationsettingsdialog.h"
#include "entry/ui/splitquestiondialog.h"
#include "entry/ui/wordentrydialog.h"
#include "exam/ui/examsettingsdialog.h"
#include "exam/ui/examwindow.h"
#include "exchange/ui/bulkchangedialog.h"
#include "exchange/ui/lessonselectiondialog.h"
#include "shell/backup.h"
#include "shell/ui/aboutbox.h"
#include "shell/ui/admindialog.h"
#include "shell/ui/logindialog.h"
#include "shell/ui/passworddialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace shell {

MainWindow::MainWindow(widgets::Services& services, app::RunState& state,
                       const QString& preselectedUser, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_state(state)
    , m_preselectedUser(preselectedUser)
    , m_player(services.audioDevice()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Lexiton"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(12);
    setFont(font);
    // The width follows the controls: the window is never narrower than its toolbar, whose
    // sort list grows with the language names.
    setMinimumHeight(250);
    // Centred on the screen until the logged-in user's own placement is restored.
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, QSize(644, 483),
                                    screen()->availableGeometry()));
    buildMenu();
    buildLayout();
    m_wordEntryDialog = new entry::WordEntryDialog(services, state, this);
    m_loginDialog = new LoginDialog(services, state, m_users, this);
    m_adminDialog = new AdminDialog(services, state, this);
    m_passwordDialog = new PasswordDialog(services, state, this);
    m_newDictionaryDialog = new dictionary::NewDictionaryDialog(services, state, this);
    m_aboutBox = new AboutBox(services, this);
    m_examSettings = new exam::ExamSettingsDialog(services, state, this);
    m_examWindow = new exam::ExamWindow(
        services, state, m_player, [this](const QString& text) { statusBar()->showMessage(text); },
        this);
    m_evaluationSettings = new entry::EvaluationSettingsDialog(services, state, this);
    m_splitQuestion = new entry::SplitQuestionDialog(services, state, this);
    m_soundWindow = createSoundWindow();
    m_settingsSetChooser = new dictionary::SettingsSetChooser(services, state, this);
    m_multiChange = new exchange::BulkChangeDialog(services, this);
    m_selLekce = new exchange::LessonSelectionDialog(services, this);
    connectCommands();
    connectWordList();
    connectWordEntry();
    connectExamCommands();
    connectExchange();
    connectSoundCommands();
}

MainWindow::~MainWindow() {
    // The grid reads the dictionary cursor until it goes; the cursors go before the
    // window's children.
    delete m_grid;
}

void MainWindow::connectCommands() {
    enableCommand("Exit", [this] { close(); });
    enableCommand("ChangePassword",
                  [this] { changeOwnPassword(m_services, m_users, *m_passwordDialog); });
    enableCommand("Backup", [this] { backUp(); });
    enableCommand("About", [this] { m_services.modals.exec(*m_aboutBox); });
    enableCommand("HelpContents", [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kContents);
    });
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!std::exchange(m_started, true))
        QTimer::singleShot(0, this, &MainWindow::runStartup);
}

void MainWindow::requestClose() {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A word typed into the grid is kept as leaving its row keeps it; a refused one keeps the
    // window open with the edits and the reason shown.
    if (!m_state.closeWithoutAsking && !postGridRow()) {
        event->ignore();
        return;
    }
    if (!m_state.closeWithoutAsking &&
        !m_services.messages.confirm(QStringLiteral("Ukončit aplikaci ?."))) {
        event->ignore();
        return;
    }
    runShutdown();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == static_cast<QObject*>(m_description))
        saveDescription();
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape && m_state.escapeMinimizes) {
        showMinimized();
        return true;
    }
    const bool playKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (playKey && m_soundButton->isVisible() && m_soundButton->isEnabled() && !m_editMode) {
        m_soundButton->click(); // plays the current word's sound
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace shell
