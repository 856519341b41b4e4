#pragma once

#include "app/runstate.h"
#include "dictionary/setini.h"
#include "exam/examworkspace.h"
#include "exchange/dictionarycursor.h"
#include "shell/safetycopies.h"
#include "sound/mediaplayer.h"
#include "store/cursor.h"
#include "widgets/services.h"

#include <QAction>
#include <QHash>
#include <QMainWindow>

#include <memory>

class QComboBox;
class QProgressBar;

namespace dictionary {
class WordTableModel;
}
namespace exchange {
enum class PeerFormat;
enum class TextLayout;
} // namespace exchange
namespace sound {
class SoundWindow;
}

namespace shell {

class DictionaryPane;
struct MainDialogs;
class UserLock;

// The main window (TForm1): the menu and toolbar over the dictionary pane, the progress bar
// and the status bar. It owns the run state's tables, runs the start-up sequence when first
// shown and the shutdown sequence when its close is granted, and gives each menu command
// the choices its subsystem's work needs.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(widgets::Services& services, app::RunState& state, const QString& preselectedUser,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // A menu command by its object name (tests and later windows use it).
    QAction* command(const QString& name) const { return m_commands.value(name); }
    store::Cursor& users() { return m_users; }
    store::Cursor& table1();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    QAction* addCommand(QMenu* menu, const QString& name, const QString& caption,
                        const QKeySequence& shortcut = {});
    void buildLayout();
    QWidget* buildToolbar(QComboBox*& sortList, QComboBox*& lessonList);
    // Enables a menu command and gives it its handler.
    template <typename Handler> void enableCommand(const char* name, Handler handler) {
        QAction* action = command(QString::fromLatin1(name));
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    }
    void connectCommands();
    void connectDictionaryPane();

    // Start-up and shutdown, and the placement of the window between runs.
    void runStartup();
    bool runLoginLoop();
    void readSettingFile(const QString& path);
    void readUserSettings();
    void applyFontSize(int size);
    void applyExamIni();
    void playFile(const QString& baseName, bool wait);
    void requestClose();
    void runShutdown();
    void restoreWindowPlacement();
    void saveWindowPlacement();

    // The commands, each in the file of its subject.
    void createDictionary();
    void loadSettingsSet();
    void backUp();
    void showWordEntry();
    void editEvaluationSettings();
    void regenerate();
    void regenerateTestWords();
    void reevaluateCommas();
    void exportWords(bool html);
    void importDictionary(bool withStatistics);
    void importText(exchange::TextLayout layout);
    void importPeerFile(exchange::PeerFormat format);
    void exportPeerFile(exchange::PeerFormat format);
    void changeLessonsInBulk();
    void findLessonsOfLessonZero();
    void startExam(exam::ExamType type);
    void showProgress();
    void practiseArticle();
    void playArticles();
    // The sound window, for the words' sounds and for new articles.
    sound::SoundWindow* createSoundWindow();
    void connectSoundCommands();
    void runSoundWindow(bool articleMode);
    void speakMissingSounds(store::Cursor& view);
    std::optional<QString> askVoice(const dictionary::DictionarySettings& settings);
    bool holdUser(const QString& user);
    void checkData();
    void restoreSafetyCopy();
    // The safety copy of the open dictionary before bulk work; the work starts only when it
    // was taken (else the reason is shown).
    exchange::BeforeChange safetyCopyBefore(BulkWork work);
    bool takeSafetyCopy(BulkWork work);

    widgets::Services& m_services;
    app::RunState& m_state;
    QString m_preselectedUser;
    store::Cursor m_users;
    sound::MediaPlayer m_player;
    exam::ExamWorkspace m_exams; // the exam settings and the cursors of the exam commands
    QHash<QString, QAction*> m_commands;
    DictionaryPane* m_pane = nullptr;
    QProgressBar* m_progress = nullptr;
    std::unique_ptr<MainDialogs> m_dialogs;
    dictionary::WordTableModel* m_soundWordModel = nullptr; // PomTable's rows in its grid
    sound::SoundWindow* m_soundWindow = nullptr;
    std::unique_ptr<UserLock> m_userLock; // the logged-in user, held for the whole run
    bool m_started = false;
};

} // namespace shell
