// The main window's side of the word entry dialog: it is made at start, learns each
// opened dictionary's hot keys, menus and fonts, and is shown beside the main window.
#include "shell/ui/mainwindow.h"

#include "entry/ui/keyboardlayoutdialog.h"
#include "entry/ui/wordentrydialog.h"

#include <QPlainTextEdit>

namespace shell {

void MainWindow::connectWordEntry() {
    // Outside the dialog the description menu types into the word's description, which
    // takes typing in edit mode.
    m_wordEntryDialog->descriptionMenu().attach(m_description);
    connect(m_wordEntryDialog, &entry::WordEntryDialog::closed, this,
            &MainWindow::refreshWordState);
    m_wordEntryDialog->setLayoutSwitch(
        [this](entry::LayoutRole role) { m_keyboardLayouts->activate(role); });
    enableCommand("WordEntry", &MainWindow::showWordEntry);
}

void MainWindow::giveWordEntryTheDictionary() {
    m_wordEntryDialog->setDictionary(m_table1, m_dictionarySettings);
}

void MainWindow::showWordEntry() {
    if (!dictionaryOpen())
        return;
    m_wordEntryDialog->setFonts(m_czechFont, m_otherFont, m_descriptionFont);
    m_wordEntryDialog->show();
    m_wordEntryDialog->raise();
    m_wordEntryDialog->activateWindow();
    refreshWordState();
}

} // namespace shell
