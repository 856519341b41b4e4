// The sound window's word list: the grid on PomTable, the search box, and the sound of the
// selected word loaded into the main player as the list moves.
#include "sound/ui/soundwindow.h"

#include "sound/soundfilename.h"
#include "store/cursor.h"
#include "store/error.h"
#include "widgets/services.h"

#include <QAction>
#include <QTableView>
#include <QToolButton>

namespace sound {

using namespace Qt::StringLiterals;

namespace {

bool standsOnWord(store::Cursor& words) {
    return words.active() && !words.isEmpty();
}

} // namespace

void SoundWindow::followGridRow(int row) {
    store::Cursor& words = m_links.pomTable;
    if (row < 0 || !words.active() || row + 1 == words.recNo())
        return;
    try {
        words.setRecNo(row + 1);
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
    }
}

// PomTable moved or changed its record: the grid shows it and its sound is loaded.
void SoundWindow::followWordList() {
    store::Cursor& words = m_links.pomTable;
    if (standsOnWord(words)) {
        const int row = words.recNo() - 1;
        if (m_grid->currentIndex().row() != row)
            m_grid->setCurrentIndex(
                m_links.wordRows.index(row, std::max(0, m_grid->currentIndex().column())));
    }
    reloadWordSound();
}

void SoundWindow::reloadWordSound() {
    store::Cursor& words = m_links.pomTable;
    if (!standsOnWord(words) || m_setup.soundFolder.isEmpty()) {
        m_soundButton->setEnabled(false);
        m_deleteButton->setEnabled(false);
        return;
    }
    const WordSound::State state = m_wordSound.loadForSoundWindow(
        m_setup.soundFolder, words.field(u"Otherzk"_s).asString(), *m_setup.soundNames);
    m_soundButton->setEnabled(state.buttonEnabled);
    m_deleteButton->setEnabled(state.buttonEnabled);
    if (m_links.status)
        m_links.status(state.statusText);
}

// The wave file of the selected word, whether it exists or not; empty without a word.
QString SoundWindow::wordSoundFile() const {
    store::Cursor& words = m_links.pomTable;
    if (!standsOnWord(words) || m_setup.soundFolder.isEmpty())
        return QString();
    return m_setup.soundFolder +
           soundFileName(words.field(u"Otherzk"_s).asString(), *m_setup.soundNames) + u".wav"_s;
}

void SoundWindow::searchWord(const QString& text) {
    store::Cursor& words = m_links.pomTable;
    if (!words.active())
        return;
    try {
        words.findNearest({text});
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
    }
    reloadWordSound();
}

void SoundWindow::playWordSound() {
    m_links.mainPlayer.setWait(true);
    m_wordSound.play();
}

// Checked, the grid is edited cell by cell; unchecked, it selects whole rows to read.
void SoundWindow::setGridEditing(bool editing) {
    m_grid->setEditTriggers(
        editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                      QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                : QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(editing ? QAbstractItemView::SelectItems
                                         : QAbstractItemView::SelectRows);
}

} // namespace sound
