// The main window's side of the sound window: the words' sounds of the open dictionary
// ("&Přidávání nových zvuků", "Namluvit chybějící zvuky") and the cutting of a new article
// ("&Definice nového článku").
// The window works on PomTable and the main player, and shows the word entry dialog beside
// itself.
#include "shell/ui/mainwindow.h"

#include "app/helppages.h"
#include "dictionary/setiniwriter.h"
#include "dictionary/spokensounds.h"
#include "dictionary/wordlist.h"
#include "dictionary/wordtablemodel.h"
#include "entry/normalizetestword.h"
#include "entry/ui/wordentrydialog.h"
#include "shell/ui/dictionarypane.h"
#include "shell/ui/maindialogs.h"
#include "sound/speechsynthesizer.h"
#include "sound/ui/soundwindow.h"
#include "sound/ui/speakingdialog.h"

#include <QDir>
#include <QInputDialog>
#include <QStatusBar>

namespace shell {

using namespace Qt::StringLiterals;

sound::SoundWindow* MainWindow::createSoundWindow() {
    m_soundWordModel = new dictionary::WordTableModel(m_pane->pomTable(), this);
    // The file name follows the foreign word; the grid does not take it typed.
    m_soundWordModel->setEditable(true, {u"Otherzk"_s});
    const auto status = [this](const QString& text) {
        statusBar()->showMessage(text);
    };
    const auto help = [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kSoundWindow);
    };
    const auto wordEntry = [this]() -> QWidget* {
        if (!m_pane->dictionaryOpen())
            return nullptr;
        m_pane->table1().refresh();
        const DictionaryFonts& fonts = m_pane->fonts();
        m_dialogs->wordEntry->setFonts(fonts.czech, fonts.other, fonts.description);
        return m_dialogs->wordEntry;
    };
    const auto speakMissing = [this] {
        speakMissingSounds(m_pane->pomTable());
    };
    sound::SoundWindowLinks links{m_pane->pomTable(), *m_soundWordModel, m_player, status, help,
                                  wordEntry,          speakMissing};
    return new sound::SoundWindow(m_services, std::move(links), this);
}

void MainWindow::connectSoundCommands() {
    connect(m_dialogs->wordEntry, &entry::WordEntryDialog::entryAdded, m_soundWindow,
            &sound::SoundWindow::showAddedEntry);
    enableCommand("AddSounds", [this] {
        if (m_pane->dictionaryOpen())
            runSoundWindow(false);
    });
    enableCommand("NewArticle", [this] { runSoundWindow(true); });
    enableCommand("SpeakMissing", [this] {
        if (m_pane->dictionaryOpen() && m_pane->postGridRow()) {
            speakMissingSounds(m_pane->table1());
            m_pane->refreshWordState();
        }
    });
}

// The voice a dictionary without one is spoken with, asked for instead of guessed.
std::optional<QString> MainWindow::askVoice(const dictionary::DictionarySettings& settings) {
    QInputDialog dialog(this);
    dialog.setObjectName(u"VoiceDialog"_s);
    dialog.setWindowTitle(u"Hlas syntézy řeči"_s);
    dialog.setLabelText(dictionary::unknownVoiceMessage(settings));
    const auto voice =
        widgets::choiceOf(m_services.modals, dialog, [&] { return dialog.textValue().trimmed(); });
    if (!voice || voice->isEmpty())
        return std::nullopt;
    return voice;
}

// "Namluvit chybějící zvuky": the words of the view (the lesson shown) without a sound get a
// spoken one; a voice that is not there is told before anything is written.
void MainWindow::speakMissingSounds(store::Cursor& view) {
    try {
        // Read anew: a voice given the last time is in the file now.
        const QString setIni = QDir(view.databaseName()).filePath(u"set.ini"_s);
        const dictionary::DictionarySettings settings = dictionary::readSetIni(setIni);
        std::optional<QString> voice = dictionary::dictionaryVoice(settings);
        const bool asked = !voice;
        if (asked && !(voice = askVoice(settings)))
            return;
        const sound::SpeechSynthesizer synthesizer(*voice);
        if (asked)
            dictionary::appendVoiceLine(setIni, *voice);
        sound::MissingSounds sounds = dictionary::missingSounds(
            view, settings, m_state.applicationFolder, m_state.recordingFormat);
        sound::SpeakingDialog(this).run(m_services, sounds, synthesizer);
    } catch (const core::UserError& error) {
        m_services.messages.error(error.message());
    }
}

void MainWindow::runSoundWindow(bool articleMode) {
    if (!m_pane->postGridRow())
        return;
    m_soundWordModel->setColumns({{u"Other"_s, m_state.otherLanguage, 140},
                                  {u"Czech"_s, u"Česky"_s, 140},
                                  {u"Lekce"_s, u"Lekce"_s, 50},
                                  {u"Otherzk"_s, u"Název souboru"_s, 140}});
    m_soundWordModel->setColumnFont(0, m_pane->fonts().other);
    m_soundWordModel->setColumnFont(1, m_pane->fonts().czech);
    // Words edited in the window's grid keep their test words as in the word list.
    store::Cursor& pomTable = m_pane->pomTable();
    pomTable.setBeforePost([this](store::Cursor& table) {
        entry::prepareEntryForPost(table, m_pane->testWordRules());
    });
    const store::Cursor& table1 = m_pane->table1();
    const sound::SoundWindowSetup setup{m_state.path(u"Temp/add.wav"_s),
                                        m_state.soundFolder,
                                        QDir(m_state.userFolder()).filePath(u"practice"_s),
                                        m_state.recordingFormat,
                                        table1.filter(),
                                        table1.filtered(),
                                        dictionary::sortIndexName(1, m_state.newIndex),
                                        m_state.foreignCodePage};
    m_soundWindow->run(setup, articleMode ? sound::SoundWindow::Mode::Article
                                          : sound::SoundWindow::Mode::Words);
    pomTable.setBeforePost({});
    m_pane->table1().refresh();
    m_pane->refreshWordState();
}

} // namespace shell
