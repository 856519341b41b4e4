#pragma once

#include "app/runstate.h"
#include "dictionary/setini.h"
#include "entry/testwordrules.h"
#include "sound/wordsound.h"
#include "store/cursor.h"
#include "widgets/services.h"

#include <QFont>
#include <QSplitter>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTableView;
class QToolButton;

namespace dictionary {
struct GridColumn;
class WordTableModel;
} // namespace dictionary

namespace shell {

// The fonts of the open dictionary's Czech words, foreign words and descriptions.
struct DictionaryFonts {
    QFont czech;
    QFont other;
    QFont description;
};

// The open dictionary in the main window: the dictionary list and its notes beside the word
// grid on Table1, the description, the search strip and the navigator, and the reactions to
// the sort and lesson lists of the main window's toolbar. A record edited in the grid is posted
// when the user leaves it; commands that leave it call postGridRow or finishGridRow first.
class DictionaryPane : public QSplitter {
    Q_OBJECT
public:
    DictionaryPane(widgets::Services& services, app::RunState& state, sound::MediaPlayer& player,
                   QComboBox& sortList, QComboBox& lessonList, QWidget* parent);
    ~DictionaryPane() override;

    store::Cursor& table1() { return m_table1; }
    store::Cursor& pomTable() { return m_pomTable; }
    QTableView& grid() { return *m_grid; }
    int sortItem() const;
    QString lessonShown() const;
    QPlainTextEdit& description() { return *m_description; }
    const DictionaryFonts& fonts() const { return m_fonts; }
    const dictionary::DictionarySettings& settings() const { return m_settings; }
    const entry::TestWordRules& testWordRules() const { return m_testWordRules; }
    void setTestWordRules(const entry::TestWordRules& rules) {
        m_testWordRules = rules;
        m_testWordRules.unicodeCaseFolding = !m_state.foreignCodePage->isWindows1250();
    }

    // The user's dictionaries, none chosen; false with the reason shown when the folder
    // cannot be listed.
    bool listDictionaries();
    void focusDictionaryList();
    void openSelectedDictionary();
    // Closes the dictionary shown, with nothing of it left in view, and lists the dictionaries.
    void closeDictionary();
    // Reads code.ini of the dictionary in folder, giving an older dictionary its own copy.
    void loadTestWordRules(const QString& folder);
    // Shows "Není vybrán žádný slovník" when no dictionary is open.
    bool dictionaryOpen();

    void fillLessonList(int lessonCount);
    QStringList lessonItems() const;
    void chooseSortItem(int item);
    void showAllLessons();
    // The lesson list says "vše" after a walk that has dropped the lesson filter.
    void markAllLessonsShown();
    void setEditMode(bool on);
    // The current word's sound and its button, and the status bar's word of it.
    void refreshWordState();
    bool postGridRow();
    void finishGridRow();

    void countWords();
    void changeWordStatistics(const QString& question, void (*change)(store::Cursor&));
    // The notes keep their own font when the window's font changes to a large size.
    QFont notesFont() const;
    void setNotesFont(const QFont& font);

signals:
    void statusMessage(const QString& text);
    // A dictionary's settings were read: the word entry dialog takes its hot keys and menus.
    void dictionaryOpened();
    // Whether the open dictionary has sounds to play and a sound folder to add sounds to.
    void soundsChanged(bool hasSounds, bool addsSounds);
    // The program cannot go on (grid.tmp cannot be read); the message has been shown.
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildWordPane();
    QWidget* buildNavigator();
    void connectWordList();
    bool openDictionaryTable(const QString& folder, const QString& name);
    void readDictionarySettings(const QString& folder);
    bool restoreGridLayout();
    void fitGridColumns(const std::vector<dictionary::GridColumn>& columns);
    void applySortItem(int item);
    void applyLessonFilter();
    void searchWord();
    void saveDescription();
    // The grid's current row and the cursor's record kept together.
    void followGridRow();
    void showGridCurrentRow();
    void setSoundFolderShown(bool hasSounds, bool addsSounds);

    widgets::Services& m_services;
    app::RunState& m_state;
    store::Cursor m_table1;   // the dictionary shown in the grid
    store::Cursor m_pomTable; // a second cursor on the same dictionary
    sound::WordSound m_wordSound;
    dictionary::WordTableModel* m_wordModel = nullptr;
    dictionary::DictionarySettings m_settings; // hot keys and menus for word entry
    entry::TestWordRules m_testWordRules;      // of the open dictionary
    DictionaryFonts m_fonts;
    bool m_editMode = false;
    int m_gridColumn = 0; // the grid's current column, kept while the rows are read anew

    QComboBox* m_sortCombo = nullptr;
    QComboBox* m_lessonCombo = nullptr;
    QListWidget* m_dictionaryList = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QTableView* m_grid = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QWidget* m_searchPanel = nullptr;
    QLineEdit* m_searchEdit = nullptr;
    QToolButton* m_soundButton = nullptr;
    QList<QToolButton*> m_editButtons; // the navigator's buttons shown in edit mode only
};

} // namespace shell
