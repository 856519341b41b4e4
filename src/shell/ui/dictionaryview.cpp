// The open dictionary in the main window: the word grid on Table1, the sort and lesson
// choices, the search box, edit mode, the per-word commands and the current word's sound.
#include "shell/ui/mainwindow.h"

#include "core/fileerror.h"
#include "dictionary/gridlayout.h"
#include "dictionary/setini.h"
#include "dictionary/setiniwriter.h"
#include "dictionary/wordlist.h"
#include "dictionary/wordtablemodel.h"
#include "entry/codeini.h"
#include "entry/normalizetestword.h"
#include "store/error.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>

namespace shell {
namespace {

// Esc on the grid drops the edits of the row being edited (a new row with them), as in a
// database grid; in a cell editor it drops only what was typed there.
class RowCancelKey : public QObject {
public:
    RowCancelKey(store::Cursor& table, QObject* parent)
        : QObject(parent)
        , m_table(table) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool escape = event->type() == QEvent::KeyPress &&
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        if (!escape || !m_table.editing())
            return QObject::eventFilter(watched, event);
        m_table.cancel();
        return true;
    }

private:
    store::Cursor& m_table;
};

} // namespace

void MainWindow::connectWordList() {
    m_table1.setObjectName(QStringLiteral("Table1"));
    m_pomTable.setObjectName(QStringLiteral("PomTable"));
    // Every post through the word list keeps the entry's counters and lesson valid and
    // derives its test words by the open dictionary's rules, those in force at the post.
    m_table1.setBeforePost(
        [this](store::Cursor& table) { entry::prepareEntryForPost(table, m_testWordRules); });

    m_wordModel = new dictionary::WordTableModel(m_table1, this);
    m_grid->setModel(m_wordModel);
    m_grid->horizontalHeader()->setHighlightSections(false);
    // The cursor goes to the row the user chose once the grid is done moving there: the
    // post of the row left may reorder the rows under the grid's own handling of the move.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MainWindow::followGridRow, Qt::QueuedConnection);
    connect(m_wordModel, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        if (m_grid->currentIndex().isValid())
            m_gridColumn = m_grid->currentIndex().column();
    });
    connect(m_wordModel, &QAbstractItemModel::modelReset, this, &MainWindow::showGridCurrentRow);
    connect(
        m_wordModel, &dictionary::WordTableModel::editRefused, this,
        [this](const QString& message) { m_services.messages.error(message); },
        Qt::QueuedConnection); // after the cell editor has closed
    connect(&m_table1, &store::Cursor::currentChanged, this, [this] {
        if (!m_table1.active())
            return;
        showGridCurrentRow();
        m_description->setPlainText(m_table1.field(QStringLiteral("Popis")).asMemo());
        m_description->document()->setModified(false);
        refreshWordState();
    });
    m_grid->installEventFilter(new RowCancelKey(m_table1, m_grid));

    connect(m_dictionaryList, &QListWidget::itemClicked, this, &MainWindow::openSelectedDictionary);
    connect(m_dictionaryList, &QListWidget::itemActivated, this,
            &MainWindow::openSelectedDictionary);
    connect(m_sortCombo, &QComboBox::activated, this, &MainWindow::applySortItem);
    connect(m_lessonCombo, &QComboBox::activated, this, &MainWindow::applyLessonFilter);
    connect(m_searchEdit, &QLineEdit::textEdited, this, &MainWindow::searchWord);
    connect(m_searchEdit, &QLineEdit::returnPressed, m_searchEdit, &QLineEdit::selectAll);
    connect(m_soundButton, &QToolButton::clicked, this, [this] { m_wordSound.play(); });

    enableCommand("CountWords", &MainWindow::countWords);
    enableCommand("ResetStatistics", [this] {
        changeWordStatistics(QStringLiteral("Opravdu upravit četnost zkoušení tothoto slovíčka ?"),
                             &dictionary::resetStatistics);
    });
    enableCommand("MarkKnown", [this] {
        changeWordStatistics(QStringLiteral("Opravdu upravit toto slovíčko jako známé, které není "
                                            "nutné často procvičovat ?"),
                             &dictionary::markKnown);
    });
    enableCommand("EditMode", [this](bool checked) { setEditMode(checked); });
    enableCommand("NewDictionary", &MainWindow::createDictionary);
    enableCommand("LoadSettingsSet", &MainWindow::loadSettingsSet);
    enableCommand("EvaluationSettings", &MainWindow::editEvaluationSettings);
    enableCommand("Regenerate", &MainWindow::regenerate);
    enableCommand("CommaReevaluation", &MainWindow::reevaluateCommas);
}

void MainWindow::openSelectedDictionary() {
    m_state.czechLanguage = QStringLiteral("Česky");
    m_state.otherLanguage = QStringLiteral("Jiný jazyk");
    m_state.soundFolder.clear();
    m_soundButton->hide();
    m_soundButton->setEnabled(false);
    command(QStringLiteral("AddSounds"))->setVisible(false);
    command(QStringLiteral("Pronunciation"))->setVisible(false);
    QListWidgetItem* selected = m_dictionaryList->currentItem();
    if (!selected)
        return;
    const QString name = selected->text();
    const QString folder = QDir(m_state.userFolder()).filePath(name);
    finishGridRow(); // by the rules of the dictionary it was typed in
    loadTestWordRules(folder);

    m_czechFont = m_otherFont = m_descriptionFont = font();
    m_table1.close();
    m_table1.setFilter(QString());
    m_table1.setFiltered(false);
    m_lessonCombo->setCurrentIndex(0);
    m_table1.setIndexName(QString());
    m_pomTable.close();
    m_pomTable.setDatabaseName(folder);
    m_pomTable.setTableName(QStringLiteral("dictonary.db"));
    openDictionaryTable(folder, name);

    m_searchPanel->setEnabled(true);
    m_notes->clear();
    try {
        readDictionarySettings(folder);
    } catch (const core::FileError&) {
        m_services.messages.error(
            QStringLiteral("Chyba při čtení souboru \"set.ini\" v adresáři slovníku."));
        m_table1.close();
        return;
    }
    m_sortCombo->setCurrentIndex(0);
    applySortItem(0);
    refreshWordState();
    if (m_table1.active() && !m_state.newIndex)
        m_notes->setPlainText(QStringLiteral("Slovník z ver. 1.6 a nižší.\n"
                                             "Čti Nápověda->Obsah->Instalační informace.\n"
                                             "------\n") +
                              m_notes->toPlainText());
}

void MainWindow::loadTestWordRules(const QString& folder) {
    // Dictionaries of older installations shared the user's code.ini; each gets a copy.
    dictionary::ensureDictionaryCodeIni(m_services.messages, m_state.userFolder(), folder);
    try {
        entry::readCodeIni(QDir(folder).filePath(QStringLiteral("code.ini")), m_testWordRules);
    } catch (const core::FileError& error) {
        m_services.messages.error(error.message());
    }
}

bool MainWindow::openDictionaryTable(const QString& folder, const QString& name) {
    m_table1.setDatabaseName(folder);
    m_table1.setTableName(QStringLiteral("dictonary.db"));
    try {
        m_table1.open();
        m_state.newIndex = m_table1.indexNames().contains(QStringLiteral("czechtoothernew"));
        return true;
    } catch (const store::Error& error) {
        m_state.newIndex = false;
        m_services.messages.error(QStringLiteral("Není možné otevřít tabulku. V adresáři \"") +
                                  name +
                                  QStringLiteral("\". Chybi tabulka \"dictonary.db.\"\r\n"
                                                 "Hlášení zní: \r\n") +
                                  error.message());
        return false;
    }
}

namespace {

// What a drop-down list needs to show its longest item whole, with its frame and arrow.
int widthForItems(const QComboBox& list) {
    int widest = 0;
    for (int i = 0; i < list.count(); ++i)
        widest = std::max(widest, list.fontMetrics().horizontalAdvance(list.itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(&list);
    return list.style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, list.fontMetrics().height()),
                           &list)
        .width();
}

QFont fontFrom(const dictionary::FontSetting& setting, const QFont& base) {
    QFont font = base;
    if (!setting.face.isEmpty())
        font.setFamily(setting.face);
    font.setBold(setting.bold);
    font.setItalic(setting.italic);
    font.setPointSize(setting.size.value_or(base.pointSize()));
    return font;
}

} // namespace

void MainWindow::readDictionarySettings(const QString& folder) {
    m_dictionarySettings = dictionary::readSetIni(QDir(folder).filePath(QStringLiteral("set.ini")));
    const dictionary::DictionarySettings& settings = m_dictionarySettings;
    if (settings.czechLanguage)
        m_state.czechLanguage = *settings.czechLanguage;
    if (settings.otherLanguage) {
        m_state.otherLanguage = *settings.otherLanguage;
        const QStringList items = dictionary::sortItemTexts(
            settings.czechLanguageAtOtherLanguage.value_or(QStringLiteral("Česky")),
            *settings.otherLanguage);
        for (int i = 0; i < items.size(); ++i)
            m_sortCombo->setItemText(i, items[i]);
        m_sortCombo->setMinimumWidth(widthForItems(*m_sortCombo));
    }
    m_state.soundFolder = dictionary::soundFolder(settings, m_state.applicationFolder);
    const bool hasSounds = !m_state.soundFolder.isEmpty();
    m_soundButton->setVisible(hasSounds);
    command(QStringLiteral("Pronunciation"))->setVisible(hasSounds);
    command(QStringLiteral("AddSounds"))
        ->setVisible(settings.soundKind == dictionary::SoundFolderKind::Increment);
    m_czechFont = fontFrom(settings.fonts.cz, font());
    m_otherFont = fontFrom(settings.fonts.other, font());
    m_descriptionFont = fontFrom(settings.fonts.intr, font());
    m_description->setFont(m_descriptionFont);
    // The grid's rows are as tall as the larger of the two word fonts needs.
    QFont gridFont = m_grid->font();
    gridFont.setPointSize(std::max(m_otherFont.pointSize(), m_czechFont.pointSize()));
    m_grid->setFont(gridFont);
    m_notes->setPlainText(settings.note.join(u'\n'));
    giveWordEntryTheDictionary();
}

bool MainWindow::restoreGridLayout() {
    std::vector<dictionary::GridColumn> columns;
    try {
        columns = dictionary::loadGridLayout(m_state.path(QStringLiteral("grid.tmp")));
    } catch (const core::FileError&) {
        m_state.closeWithoutAsking = true;
        m_services.messages.error(QStringLiteral("Chyba při čtení z dočasného souboru."));
        requestClose();
        return false;
    }
    if (columns.size() > 1) {
        columns[1].title = m_state.otherLanguage;
        columns[0].title = m_state.czechLanguage;
    }
    m_wordModel->setColumns(columns);
    m_wordModel->setColumnFont(0, m_czechFont);
    m_wordModel->setColumnFont(1, m_otherFont);
    fitGridColumns(columns);
    return true;
}

// The titles bold in the grid's font, the header as high as they need; the widths of
// grid.tmp, widened on screen where a column's title or its widest number in the grid's font
// needs more; the file keeps its widths.
void MainWindow::fitGridColumns(const std::vector<dictionary::GridColumn>& columns) {
    QHeaderView* header = m_grid->horizontalHeader();
    QFont titleFont = m_grid->font();
    titleFont.setBold(true);
    header->setFont(titleFont);
    const QFontMetrics cellMetrics(m_grid->font());
    // Cell text keeps the style's focus margin and a pixel on each side, and the grid line.
    const int cellMargin =
        2 * (m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 1) + 1;
    for (size_t i = 0; i < columns.size(); ++i) {
        const int column = static_cast<int>(i);
        const QString widest = dictionary::widestNumber(columns[i]);
        const int numberWidth =
            widest.isEmpty() ? 0 : cellMetrics.horizontalAdvance(widest) + cellMargin;
        m_grid->setColumnWidth(
            column, std::max({columns[i].width, header->sectionSizeHint(column), numberWidth}));
    }
}

void MainWindow::applySortItem(int item) {
    finishGridRow();
    if (!restoreGridLayout())
        return;
    try {
        if (m_table1.active())
            m_table1.setIndexName(dictionary::sortIndexName(item, m_state.newIndex));
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
    }
    // Items 1 and 3 show the foreign word first, items 0 and 2 the Czech word.
    std::vector<dictionary::GridColumn> columns = m_wordModel->columns();
    const bool foreignFirst = item == 1 || item == 3;
    const int czechColumn = foreignFirst ? 0 : 1;
    if (columns.size() > 1 &&
        columns[static_cast<size_t>(czechColumn)].field.toLower() == u"czech") {
        std::swap(columns[0], columns[1]);
        std::swap(columns[0].width, columns[1].width);
        m_wordModel->setColumns(columns);
        m_wordModel->setColumnFont(0, foreignFirst ? m_otherFont : m_czechFont);
        m_wordModel->setColumnFont(1, foreignFirst ? m_czechFont : m_otherFont);
        fitGridColumns(columns);
    }
    const bool searchable = dictionary::sortItemSearchable(item);
    m_searchPanel->setEnabled(searchable);
}

void MainWindow::applyLessonFilter() {
    if (!m_table1.active())
        return;
    finishGridRow();
    const QString filter = dictionary::lessonFilterText(m_lessonCombo->currentText());
    try {
        if (filter.isEmpty()) {
            m_table1.setFilter(QString());
            m_table1.setFiltered(false);
        } else {
            m_table1.setFiltered(false);
            m_table1.setFiltered(true);
            m_table1.setFilter(filter);
        }
    } catch (const store::Error&) {
        m_services.messages.warning(QStringLiteral(
            "Pokud se zobrazuje toto hlášení doporučuji, vytvořit nový slovník a z tohoto slovníku "
            "naimportovat do něj slovíčka - včetně statisitky. (Slovník je narušen nebo je ve "
            "starším formátu, ketrý může způsobovat tyto problémy)"));
    }
    refreshWordState();
}

void MainWindow::searchWord() {
    if (!m_table1.active() || !postGridRow())
        return;
    try {
        m_table1.findNearest({m_searchEdit->text()});
    } catch (const store::Error&) {
        return; // an order without a word to look up (the lesson orders)
    }
    refreshWordState();
}

void MainWindow::refreshWordState() {
    if (m_soundButton->isHidden() || !m_table1.active())
        return;
    const sound::WordSound::State state =
        m_wordSound.load(m_state.soundFolder, m_table1.field(QStringLiteral("Otherzk")).asString());
    m_soundButton->setEnabled(state.buttonEnabled);
    statusBar()->showMessage(state.statusText);
}

void MainWindow::setEditMode(bool on) {
    if (!on)
        finishGridRow();
    m_editMode = on;
    command(QStringLiteral("EditMode"))->setChecked(on);
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
    statusBar()->showMessage(on ? QStringLiteral("Editace zapnuta")
                                : QStringLiteral("Editace vypnuta"));
}

void MainWindow::saveDescription() {
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

void MainWindow::followGridRow() {
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

void MainWindow::showGridCurrentRow() {
    const int row = m_wordModel->currentRow();
    if (row < 0 || m_grid->currentIndex().row() == row)
        return;
    const int column =
        m_grid->currentIndex().isValid() ? m_grid->currentIndex().column() : m_gridColumn;
    m_grid->setCurrentIndex(m_wordModel->index(row, column));
}

bool MainWindow::postGridRow() {
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

void MainWindow::finishGridRow() {
    if (!postGridRow())
        m_table1.cancel();
}

void MainWindow::countWords() {
    if (!dictionaryOpen())
        return;
    m_services.messages.information(QStringLiteral("Počet slovíček ve slovníku je: ") +
                                    QString::number(m_table1.recordCount()));
}

void MainWindow::changeWordStatistics(const QString& question, void (*change)(store::Cursor&)) {
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
