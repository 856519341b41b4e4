// The word grid's rows and the record under them: edit mode, leaving an edited row, the
// current word's sound and the per-word commands.
#include "shell/ui/dictionarypane.h"

#include "dictionary/wordlist.h"
#include "dictionary/wordtablemodel.h"
#include "exchange/dictionarycursor.h"
#include "store/error.h"

#include <QPlainTextEdit>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>

namespace shell {

void DictionaryPane::refreshWordState() {
    if (m_soundButton->isHidden() || !m_table1.active())
        return;
    const sound::WordSound::State state =
        m_wordSound.load(m_state.soundFolder, m_table1.field(QStringLiteral("Otherzk")).asString(),
                         *m_state.foreignCodePage);
    m_soundButton->setEnabled(state.buttonEnabled);
    emit statusMessage(state.statusText);
}

void DictionaryPane::setEditMode(bool on) {
    if (!on)
        finishGridRow();
    m_editMode = on;
    m_wordModel->setEditable(on, {QStringLiteral("Dobre"), QStringLiteral("Spatne")});
    // As in a database grid, a cell editor opens on typing, F2 or a click, not on each move.
    m_grid->setEditTriggers(
        on ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                 QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
           : QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(on ? QAbstractItemView::SelectItems
                                    : QAbstractItemView::SelectRows);
    m_description->setReadOnly(!on);
    for (QToolButton* button : std::as_const(m_editButtons))
        button->setVisible(on);
    emit statusMessage(on ? QStringLiteral("Editace zapnuta") : QStringLiteral("Editace vypnuta"));
}

void DictionaryPane::saveDescription() {
    if (!m_editMode || !m_table1.active() || !m_description->document()->isModified())
        return;
    // Into the record's edit buffer, posted with the grid's edits when the record is left.
    try {
        m_table1.edit();
        // Descriptions keep their lines as the files do, with CR LF.
        m_table1.field(QStringLiteral("Popis"))
            .setAsMemo(m_description->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
        m_description->document()->setModified(false);
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
    }
}

void DictionaryPane::followGridRow() {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid() || !m_table1.active())
        return;
    try {
        m_wordModel->goToRow(current.row());
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
        showGridCurrentRow(); // back on the record the table refused, with its edits
    }
}

void DictionaryPane::showGridCurrentRow() {
    const int row = m_wordModel->currentRow();
    if (row < 0 || m_grid->currentIndex().row() == row)
        return;
    const int column =
        m_grid->currentIndex().isValid() ? m_grid->currentIndex().column() : m_gridColumn;
    m_grid->setCurrentIndex(m_wordModel->index(row, column));
}

bool DictionaryPane::postGridRow() {
    if (!m_table1.editing())
        return true;
    try {
        if (m_table1.modified())
            m_table1.post();
        else
            m_table1.cancel();
        return true;
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
        return false;
    }
}

void DictionaryPane::finishGridRow() {
    if (!postGridRow())
        m_table1.cancel();
}

bool DictionaryPane::dictionaryOpen() {
    return exchange::requireOpenDictionary(m_table1, m_services.messages);
}

void DictionaryPane::countWords() {
    if (!dictionaryOpen())
        return;
    m_services.messages.information(QStringLiteral("Počet slovíček ve slovníku je: ") +
                                    QString::number(m_table1.recordCount()));
}

void DictionaryPane::changeWordStatistics(const QString& question, void (*change)(store::Cursor&)) {
    if (!dictionaryOpen() || !postGridRow() || !m_services.messages.confirm(question))
        return;
    try {
        change(m_table1);
    } catch (const store::Error& error) {
        m_table1.cancel();
        m_services.messages.error(error.message());
    }
}

} // namespace shell
