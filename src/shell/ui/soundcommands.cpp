// The main window's side of the sound window: the words' sounds of the open dictionary
// ("&Přidávání nových zvuků") and the cutting of a new article ("&Definice nového článku").
// The window works on PomTable and the main player, and shows the word entry dialog beside
// itself.
#include "shell/ui/mainwindow.h"

#include "app/helppages.h"
#include "dictionary/wordlist.h"
#include "dictionary/wordtablemodel.h"
#include "entry/normalizetestword.h"
#include "entry/ui/wordentrydialog.h"
#include "sound/ui/soundwindow.h"

#include <QDir>
#include <QStatusBar>

namespace shell {

using namespace Qt::StringLiterals;

sound::SoundWindow* MainWindow::createSoundWindow() {
    m_soundWordModel = new dictionary::WordTableModel(m_pomTable, this);
    // The file name follows the foreign word; the grid does not take it typed.
    m_soundWordModel->setEditable(true, {u"Otherzk"_s});
    sound::SoundWindowLinks links{
        m_pomTable,
        *m_soundWordModel,
        m_player,
        [this](const QString& text) { statusBar()->showMessage(text); },
        [this] {
            app::openHelpPage(m_services.system, m_services.messages, m_state,
                              app::helppage::kSoundWindow);
        },
        [this]() -> QWidget* {
            if (!dictionaryOpen())
                return nullptr;
            m_table1.refresh();
            m_wordEntryDialog->setFonts(m_czechFont, m_otherFont, m_descriptionFont);
            return m_wordEntryDialog;
        }};
    return new sound::SoundWindow(m_services, std::move(links), this);
}

void MainWindow::connectSoundCommands() {
    connect(m_wordEntryDialog, &entry::WordEntryDialog::entryAdded, m_soundWindow,
            &sound::SoundWindow::showAddedEntry);
    enableCommand("AddSounds", [this] {
        if (dictionaryOpen())
            runSoundWindow(false);
    });
    enableCommand("NewArticle", [this] { runSoundWindow(true); });
}

void MainWindow::runSoundWindow(bool articleMode) {
    if (!postGridRow())
        return;
    m_soundWordModel->setColumns({{u"Other"_s, m_state.otherLanguage, 140},
                                  {u"Czech"_s, u"Česky"_s, 140},
                                  {u"Lekce"_s, u"Lekce"_s, 50},
                                  {u"Otherzk"_s, u"Název souboru"_s, 140}});
    m_soundWordModel->setColumnFont(0, m_otherFont);
    m_soundWordModel->setColumnFont(1, m_czechFont);
    // Words edited in the window's grid keep their test words as in the word list.
    m_pomTable.setBeforePost(
        [this](store::Cursor& table) { entry::prepareEntryForPost(table, m_testWordRules); });
    const sound::SoundWindowSetup setup{
        m_state.path(u"Temp/add.wav"_s),
        m_state.soundFolder,
        QDir(m_state.userFolder()).filePath(u"practice"_s),
        m_state.recordingFormat,
        m_table1.filter(),
        m_table1.filtered(),
        dictionary::sortIndexName(1, m_state.newIndex)};
    m_soundWindow->run(setup, articleMode ? sound::SoundWindow::Mode::Article
                                          : sound::SoundWindow::Mode::Words);
    m_pomTable.setBeforePost({});
    m_table1.refresh();
    refreshWordState();
}

} // namespace shell
