#pragma once

#include "core/codepage.h"
#include "sound/mediaplayer.h"
#include "sound/selection.h"
#include "sound/trackscale.h"
#include "sound/waveformat.h"
#include "sound/wordsound.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class QAbstractItemModel;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace store {
class Cursor;
}
namespace widgets {
struct Services;
}

namespace sound {

class ArticlePanel;
class NameDialog;
class StartTimeDialog;
class StopWindow;
class TrackBar;
class WaveformView;

// What the sound window uses of the program around it; the main window gives it.
struct SoundWindowLinks {
    store::Cursor& pomTable;                    // the second cursor on the open dictionary
    QAbstractItemModel& wordRows;               // PomTable's rows as the word grid shows them
    MediaPlayer& mainPlayer;                    // holds the sound of the word, as everywhere
    std::function<void(const QString&)> status; // the main window's status bar
    std::function<void()> help;                 // opens the window's help page
    // The word entry dialog, ready for the open dictionary; nullptr (the user told why) when
    // no dictionary is open.
    std::function<QWidget*()> wordEntry;
    // "Namluvit chybějící zvuky" for the words the window lists.
    std::function<void()> speakMissing;
};

// Where one showing of the window keeps its take and stores its sounds.
struct SoundWindowSetup {
    QString takeFile;       // a new take is saved there ("Temp/add.wav")
    QString soundFolder;    // the dictionary's, ending with "/"
    QString practiceFolder; // the user's articles
    WaveFormat recordingFormat;
    QString filter; // the filter text and state of the main window's dictionary cursor
    bool filtered = false;
    QString indexName; // the dictionary's order by the foreign word
    const core::CodePage* soundNames = &core::CodePage::windows1250(); // of the foreign words
};

// The sound window (TSound, "Vkládání nových zvukových záznamů"), where pronunciations are
// made: the user records a take or loads a wave file, selects a part of it by a start and an
// end, listens to it, and stores it as the sound of the selected word, under a typed name
// or, in the article mode, as the numbered pieces of a new article.
class SoundWindow : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Words, Article };

    SoundWindow(widgets::Services& services, SoundWindowLinks links, QWidget* parent = nullptr);
    ~SoundWindow() override;

    // Shows the window modally; everything it borrowed is given back when it closes.
    void run(const SoundWindowSetup& setup, Mode mode);
    // The word entry dialog added this entry: the word list is read anew and stands on it.
    void showAddedEntry(const QString& other, const QString& czech);
    // The 100 ms timer of a play: the display follows the position, and the stop window
    // closes at the end of the selection.
    void tick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Building the controls.
    void buildLayout();
    QWidget* buildTakeBar();
    QWidget* buildTrack();
    QWidget* buildSelectionPanel();
    QWidget* buildStoreBar();
    QWidget* buildWordList();
    QToolButton* button(const char* name, const QString& caption, std::function<void()> action);

    // Showing and closing.
    void prepare(Mode mode);
    void openWordList();
    void giveBack();

    // The take.
    std::unique_ptr<MediaPlayer> newRecorder();
    bool hasTake() const;
    void recordTake();
    void loadTake();
    void takeArrived();
    void playSelection();
    void playNext();
    void playAndFollow();
    void selectAll();
    void stepEdge(SelectionEdge edge, qint64 deltaMs);
    void moveByHand(int trackPosition);
    void goToTypedTime();
    void showSelection();
    void showPosition(qint64 positionMs);

    // The words and their sounds.
    void followGridRow(int row);
    void followWordList();
    void reloadWordSound();
    QString wordSoundFile() const;
    void searchWord(const QString& text);
    void assignToWord();
    void storeUnderName();
    bool storeSelectionAs(const QString& target);
    void deleteWordSound();
    void playWordSound();
    void saveWholeTake();
    void setGridEditing(bool editing);
    void openWordEntry();

    // The article mode.
    void insertInterval();
    void saveArticle();

    widgets::Services& m_services;
    SoundWindowLinks m_links;
    SoundWindowSetup m_setup;
    Mode m_mode = Mode::Words;
    WordSound m_wordSound;

    std::unique_ptr<MediaPlayer> m_recorder;
    QString m_takeFile;
    Selection m_selection;
    TrackScale m_scale;
    bool m_fresh = true;
    bool m_showingPosition = false; // the track bar is moved by the window, not by hand
    QTimer m_timer;
    qint64 m_letGoMs = 0; // where a play was when its key was let go

    QPointer<QWidget> m_wordEntry; // while shown from here
    QPointer<QWidget> m_wordEntryParent;
    Qt::WindowFlags m_wordEntryFlags;

    StopWindow* m_stopWindow;
    NameDialog* m_nameDialog;
    StartTimeDialog* m_startTimeDialog;

    TrackBar* m_trackBar = nullptr;
    WaveformView* m_waveform = nullptr;
    QPushButton* m_positionDisplay = nullptr;
    QWidget* m_selectionPanel = nullptr;
    QLabel* m_startLabel = nullptr;
    QLabel* m_endLabel = nullptr;
    QCheckBox* m_confirmAssign = nullptr;
    QCheckBox* m_confirmRecording = nullptr;
    QCheckBox* m_copyWord = nullptr;
    QCheckBox* m_pushToTalk = nullptr;
    QToolButton* m_soundButton = nullptr;
    QToolButton* m_deleteButton = nullptr;
    QLineEdit* m_search = nullptr;
    QTableView* m_grid = nullptr;
    QAction* m_gridEditing = nullptr;
    ArticlePanel* m_articlePanel = nullptr;
    QList<QWidget*> m_wordControls; // hidden in the article mode
};

} // namespace sound
