// The word entry dialog shown beside the main window, in the open dictionary's fonts.
#include "shell/ui/mainwindow.h"

#include "entry/ui/wordentrydialog.h"
#include "shell/ui/dictionarypane.h"
#include "shell/ui/maindialogs.h"

namespace shell {

void MainWindow::showWordEntry() {
    if (!m_pane->dictionaryOpen())
        return;
    const DictionaryFonts& fonts = m_pane->fonts();
    entry::WordEntryDialog& wordEntry = *m_dialogs->wordEntry;
    wordEntry.setFonts(fonts.czech, fonts.other, fonts.description);
    wordEntry.show();
    wordEntry.raise();
    wordEntry.activateWindow();
    m_pane->refreshWordState();
}

} // namespace shell
