#pragma once

#include "app/runstate.h"
#include "dictionary/setini.h"
#include "entry/testwordrules.h"
#include "exam/examworkspace.h"
#include "sound/mediaplayer.h"
#include "sound/wordsound.h"
#include "store/cursor.h"
#include "widgets/services.h"

#include <QAction>
#include <QHash>
#include <QMainWindow>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QTableView;
class QToolButton;
class QWidget;

namespace entry {
class EvaluationSettingsDialog;
class SplitQuestionDialog;
class WordEntryDialog;
} // namespace entry

namespace dictionary {
struct GridColumn;
class NewDictionaryDialog;
class SettingsSetChooser;
class WordTableModel;
} // namespace dictionary

namespace exchange {
class BulkChangeDialog;
class LessonSelectionDialog;
enum class TextLayout;
} // namespace exchange

namespace exam {
class ExamSettingsDialog;
class ExamWindow;
} // namespace exam

namespace sound {
class SoundWindow;
}

namespace shell {

class AboutBox;
class AdminDialog;
class LoginDialog;
class PasswordDialog;

// The main window (TForm1). It owns the run state's tables and runs the start-up
// sequence when first shown and the shutdown sequence when its close is granted; the
// work of each menu command lives with the subsystem that owns it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(widgets::Services& services, app::RunState& state, const QString& preselectedUser,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // A menu command by its object name (tests and later windows use it).
    QAction* command(const QString& name) const { return m_commands.value(name); }
    store::Cursor& users() { return m_users; }
    store::Cursor& table1() { return m_table1; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    QWidget* buildToolbar();
    QWidget* buildWordPane();
    QWidget* buildNavigator();
    void buildMenu();
    QAction* addCommand(QMenu* menu, const QString& name, const QString& caption,
                        const QKeySequence& shortcut = {});
    void connectCommands();
    // Enables a menu command and gives it its handler.
    template <typename Handler> void enableCommand(const char* name, Handler handler) {
        QAction* action = command(QString::fromLatin1(name));
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    }

    void runStartup();
    void fillLessonLists();
    bool runLoginLoop();
    void readUserSettings();
    void checkTables();
    void saveGridLayout();
    bool listDictionaries();
    void playGreeting();
    void requestClose();
    void runShutdown();
    void playFile(const QString& baseName, bool wait);
    // The logged-in user's placement of the window and its panes.
    QString windowStatesPath() const;
    void restoreWindowPlacement();
    void saveWindowPlacement();

    // The open dictionary and its word list.
    void connectWordList();
    void openSelectedDictionary();
    bool openDictionaryTable(const QString& folder, const QString& name);
    void readDictionarySettings(const QString& folder);
    void loadTestWordRules(const QString& folder);
    bool restoreGridLayout();
    void fitGridColumns(const std::vector<dictionary::GridColumn>& columns);
    void applySortItem(int item);
    void applyLessonFilter();
    void searchWord();
    void refreshWordState();
    void setEditMode(bool on);
    void saveDescription();
    // The grid's current row and the cursor's record kept together; a record being edited
    // is posted when the user leaves it.
    void followGridRow();
    void showGridCurrentRow();
    // Posts the record being edited before a command leaves it; a record the table refuses
    // is reported and stays with its edits (false). finishGridRow drops such a record, so
    // that a command that cannot stay (another order, another dictionary) goes on.
    bool postGridRow();
    void finishGridRow();
    void countWords();
    void createDictionary();
    void loadSettingsSet();
    void backUp();
    void changeWordStatistics(const QString& question, void (*change)(store::Cursor&));
    // Shows "Není vybrán žádný slovník" when no dictionary is open.
    bool dictionaryOpen();

    // Word entry beside the main window.
    void connectWordEntry();
    void giveWordEntryTheDictionary();
    void showWordEntry();

    // The test words of the open dictionary.
    void editEvaluationSettings();
    void regenerate();
    void regenerateTestWords();
    void reevaluateCommas();

    // Exports, imports and bulk lesson changes of the open dictionary.
    void connectExchange();
    void exportWords(bool html);
    void importDictionary(bool withStatistics);
    void importText(exchange::TextLayout layout);
    void changeLessonsInBulk();
    void findLessonsOfLessonZero();
    QStringList lessonItems() const;
    void chooseSortItem(int item);
    void showAllLessons();

    // The sound window, for the words' sounds and for new articles.
    sound::SoundWindow* createSoundWindow();
    void connectSoundCommands();
    void runSoundWindow(bool articleMode);

    // The settings files read at start and the exam commands.
    void readSettingFile(const QString& path);
    void applyFontSize(int size);
    void applyExamIni();
    void connectExamCommands();
    void startExam(exam::ExamType type);
    // Returns the path of the exam's report, when one was written.
    std::optional<QString> runExamWindow(const exam::ExamTables& tables,
                                         const exam::ExamHandover& handover);

    widgets::Services& m_services;
    app::RunState& m_state;
    QString m_preselectedUser;
    store::Cursor m_users;
    store::Cursor m_table1;   // the dictionary shown in the grid
    store::Cursor m_pomTable; // a second cursor on the same dictionary
    sound::MediaPlayer m_player;
    sound::WordSound m_wordSound{m_player};
    dictionary::WordTableModel* m_wordModel = nullptr;
    dictionary::DictionarySettings m_dictionarySettings; // hot keys and menus for word entry
    entry::TestWordRules m_testWordRules;                // of the open dictionary
    QFont m_czechFont;
    QFont m_otherFont;
    QFont m_descriptionFont;
    bool m_started = false;
    bool m_editMode = false;
    int m_gridColumn = 0; // the grid's current column, kept while the rows are read anew

    // The windows made once at start, in this order after the main window.
    entry::WordEntryDialog* m_wordEntryDialog = nullptr;
    LoginDialog* m_loginDialog = nullptr;
    AdminDialog* m_adminDialog = nullptr;
    PasswordDialog* m_passwordDialog = nullptr;
    dictionary::NewDictionaryDialog* m_newDictionaryDialog = nullptr;
    AboutBox* m_aboutBox = nullptr;
    exam::ExamSettingsDialog* m_examSettings = nullptr;
    exam::ExamWindow* m_examWindow = nullptr;
    entry::EvaluationSettingsDialog* m_evaluationSettings = nullptr;
    entry::SplitQuestionDialog* m_splitQuestion = nullptr;
    dictionary::SettingsSetChooser* m_settingsSetChooser = nullptr;
    exchange::BulkChangeDialog* m_multiChange = nullptr;
    exchange::LessonSelectionDialog* m_selLekce = nullptr;
    sound::SoundWindow* m_soundWindow = nullptr;
    dictionary::WordTableModel* m_soundWordModel = nullptr; // PomTable's rows in its grid

    QHash<QString, QAction*> m_commands;
    QComboBox* m_sortCombo = nullptr;
    QComboBox* m_lessonCombo = nullptr;
    QListWidget* m_dictionaryList = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QTableView* m_grid = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QWidget* m_searchPanel = nullptr;
    QLineEdit* m_searchEdit = nullptr;
    QToolButton* m_soundButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QList<QToolButton*> m_editButtons; // the navigator's buttons shown in edit mode only

    // The exam settings and the cursors of the exam commands.
    exam::ExamWorkspace m_exams;
};

} // namespace shell
