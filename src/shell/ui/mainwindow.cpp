#include "shell/ui/mainwindow.h"

#include "app/helppages.h"
#include "dictionary/wordlist.h"
#include "entry/ui/keyboardlayoutdialog.h"
#include "entry/ui/wordentrydialog.h"
#include "exam/ui/examwindow.h"
#include "exchange/importcommands.h"
#include "exchange/peercommands.h"
#include "shell/ui/aboutbox.h"
#include "shell/ui/dictionarypane.h"
#include "shell/ui/maindialogs.h"
#include "shell/ui/passworddialog.h"
#include "shell/userlock.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>

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
    m_dialogs = std::make_unique<MainDialogs>(services, state, m_users, m_player, *this);
    m_soundWindow = createSoundWindow();
    connectCommands();
    connectDictionaryPane();
    connectSoundCommands();
}

MainWindow::~MainWindow() {
    // The pane's grid reads Table1 and its word sound plays through the player: the pane goes
    // before the window's members.
    delete m_pane;
}

store::Cursor& MainWindow::table1() {
    return m_pane->table1();
}

void MainWindow::connectCommands() {
    enableCommand("Exit", [this] { close(); });
    enableCommand("ChangePassword",
                  [this] { changeOwnPassword(m_services, m_users, *m_dialogs->password); });
    enableCommand("Backup", &MainWindow::backUp);
    enableCommand("DataCheck", &MainWindow::checkData);
    enableCommand("SafetyCopies", &MainWindow::restoreSafetyCopy);
    enableCommand("About", [this] { m_services.modals.exec(*m_dialogs->about); });
    enableCommand("KeyboardSwitching", [this] { m_dialogs->keyboardLayouts->run(); });
    enableCommand("HelpContents", [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kContents);
    });
    enableCommand("EditMode", [this](bool checked) { m_pane->setEditMode(checked); });
    enableCommand("CountWords", [this] { m_pane->countWords(); });
    enableCommand("ResetStatistics", [this] {
        m_pane->changeWordStatistics(
            QStringLiteral("Opravdu upravit četnost zkoušení tothoto slovíčka ?"),
            &dictionary::resetStatistics);
    });
    enableCommand("MarkKnown", [this] {
        m_pane->changeWordStatistics(QStringLiteral("Opravdu upravit toto slovíčko jako známé, "
                                                    "které není nutné často procvičovat ?"),
                                     &dictionary::markKnown);
    });
    enableCommand("NewDictionary", &MainWindow::createDictionary);
    enableCommand("LoadSettingsSet", &MainWindow::loadSettingsSet);
    enableCommand("WordEntry", &MainWindow::showWordEntry);
    enableCommand("EvaluationSettings", &MainWindow::editEvaluationSettings);
    enableCommand("Regenerate", &MainWindow::regenerate);
    enableCommand("CommaReevaluation", &MainWindow::reevaluateCommas);
    enableCommand("ExportHtml", [this] { exportWords(true); });
    enableCommand("ExportTxt", [this] { exportWords(false); });
    enableCommand("ImportDictionary", [this] { importDictionary(false); });
    enableCommand("ImportDictionaryWithStatistics", [this] { importDictionary(true); });
    enableCommand("ImportLines", [this] { importText(exchange::TextLayout::LinePairs); });
    enableCommand("ImportTabs", [this] { importText(exchange::TextLayout::TabSeparated); });
    enableCommand("ImportKvtml", [this] { importPeerFile(exchange::PeerFormat::Kvtml); });
    enableCommand("ImportAnki", [this] { importPeerFile(exchange::PeerFormat::AnkiText); });
    enableCommand("ExportKvtml", [this] { exportPeerFile(exchange::PeerFormat::Kvtml); });
    enableCommand("ExportAnki", [this] { exportPeerFile(exchange::PeerFormat::AnkiText); });
    enableCommand("BulkLessonChange", &MainWindow::changeLessonsInBulk);
    enableCommand("FindLesson", &MainWindow::findLessonsOfLessonZero);
    enableCommand("AutoExam", [this] { startExam(exam::ExamType::Automatic); });
    enableCommand("SelfExam", [this] { startExam(exam::ExamType::SelfEvaluation); });
    enableCommand("Pronunciation", [this] { startExam(exam::ExamType::Training); });
    enableCommand("Progress", &MainWindow::showProgress);
    enableCommand("ArticlePractice", &MainWindow::practiseArticle);
    enableCommand("ArticlePlayback", &MainWindow::playArticles);
}

void MainWindow::connectDictionaryPane() {
    m_pane->grid().addAction(command(QStringLiteral("CountWords")));
    connect(m_pane, &DictionaryPane::statusMessage, statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(m_pane, &DictionaryPane::closeRequested, this, &MainWindow::requestClose);
    connect(m_pane, &DictionaryPane::soundsChanged, this, [this](bool hasSounds, bool addsSounds) {
        command(QStringLiteral("Pronunciation"))->setVisible(hasSounds);
        command(QStringLiteral("AddSounds"))->setVisible(addsSounds);
        command(QStringLiteral("SpeakMissing"))->setVisible(hasSounds);
    });
    // The word entry dialog types into the open dictionary with its hot keys and menus;
    // outside the dialog its description menu types into the word's description, which takes
    // typing in edit mode.
    entry::WordEntryDialog& wordEntry = *m_dialogs->wordEntry;
    connect(m_pane, &DictionaryPane::dictionaryOpened, this,
            [this, &wordEntry] { wordEntry.setDictionary(m_pane->table1(), m_pane->settings()); });
    wordEntry.descriptionMenu().attach(&m_pane->description());
    connect(&wordEntry, &entry::WordEntryDialog::closed, m_pane, &DictionaryPane::refreshWordState);
    // The word entry dialog's fields and the exam window switch the keyboard layout.
    const auto switchLayout = [this](entry::LayoutRole role) {
        m_dialogs->keyboardLayouts->activate(role);
    };
    wordEntry.setLayoutSwitch(switchLayout);
    m_dialogs->examWindow->setLayoutSwitch(switchLayout);
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
    if (!m_state.closeWithoutAsking && !m_pane->postGridRow()) {
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

} // namespace shell
