#pragma once

#include "core/codepage.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QSplitter;
class QToolButton;

namespace widgets {
struct Services;
}

namespace sound {

class ArticleStopWindow;
class MediaPlayer;
struct WaveFormat;

// The article window (TOKBottomDlg7, "Cvičení článku"): the phrase files of one article, its
// whole text and the current phrase, and its picture. The learner steps through the phrases
// with Enter, hears each model (F5), records an attempt while F12 or the record button is held,
// hears it (F6) or both (F7), plays the whole article, and edits and saves the text.
class ArticleWindow : public QDialog {
    Q_OBJECT
public:
    // Attaches the foreign-language character menu to a field as its context menu (true), or
    // takes it away (false).
    using CharacterMenu = std::function<void(QWidget* field, bool attach)>;

    // Attempts are recorded in the format given, the main window's recording format.
    ArticleWindow(widgets::Services& services, const WaveFormat& recordingFormat,
                  ArticleStopWindow& stopWindow, QWidget* parent = nullptr);
    ~ArticleWindow() override;

    void setCharacterMenu(CharacterMenu menu) { m_characterMenu = std::move(menu); }

    // Practises the article of the folder modally; its texts and file list in the font.
    // The text is in the code page of the foreign words.
    void run(const QString& articleFolder, const QFont& font,
             const core::CodePage& codePage = core::CodePage::windows1250());

    // Plays the phrases of each article folder in turn with the stop window shown, until the
    // last or until "STOP".
    void playArticles(const QStringList& articleFolders);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void load(const QString& articleFolder, const QFont& font);
    void showPicture();
    void fileSelected(int row);
    void enableSounds();
    void step();
    void playWholeArticle();
    void editOrSaveText();
    bool saveText(const QString& failure);
    void endEditing();
    void closeWindow();

    // Sounds.
    void playModel();
    void playRecording();
    void playBoth();
    void startRecording();
    void stopRecording();
    // Plays the file to its end; false when it is no sound that can be played.
    bool playFile(const QString& path);

    widgets::Services& m_services;
    const WaveFormat& m_recordingFormat;
    ArticleStopWindow& m_stopWindow;
    CharacterMenu m_characterMenu;
    MediaPlayer* m_playPl = nullptr; // the window's children, kept for the whole run
    MediaPlayer* m_recordPl = nullptr;
    QString m_folder;
    const core::CodePage* m_codePage = &core::CodePage::windows1250();
    QStringList m_files;
    QStringList m_text;
    bool m_editing = false;
    bool m_recordHeld = false;
    bool m_closed = false;

    QListWidget* m_fileList = nullptr;     // FileListBox1
    QPlainTextEdit* m_wholeText = nullptr; // RichEdit1
    QPlainTextEdit* m_phrase = nullptr;    // RichEdit2
    QLabel* m_picture = nullptr;           // Image1
    QSplitter* m_splitter = nullptr;
    QWidget* m_editPanel = nullptr;
    QToolButton* m_step = nullptr; // SpeedButton2
    QToolButton* m_questionSound = nullptr;
    QToolButton* m_answerSound = nullptr;
    QToolButton* m_bothSounds = nullptr;
    QToolButton* m_recordSound = nullptr;
    QCheckBox* m_autoPlay = nullptr; // CheckBox1
    QToolButton* m_playAll = nullptr;
    QToolButton* m_edit = nullptr; // SpeedButton3
};

} // namespace sound
