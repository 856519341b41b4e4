// Opening a dictionary in the dictionary pane: its table, set.ini and code.ini, the grid's
// columns and fonts, and the sort order, lesson filter and search over it.
#include "shell/ui/dictionarypane.h"

#include "core/fileerror.h"
#include "dictionary/dictionaryfolders.h"
#include "dictionary/gridlayout.h"
#include "dictionary/setiniwriter.h"
#include "dictionary/wordlist.h"
#include "dictionary/wordtablemodel.h"
#include "entry/codeini.h"
#include "store/error.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>

namespace shell {
bool DictionaryPane::listDictionaries() {
    m_dictionaryList->clear();
    try {
        m_dictionaryList->addItems(dictionary::listDictionaries(m_state.userFolder()));
    } catch (const core::FileError& error) {
        m_services.messages.error(error.message());
        return false;
    }
    m_dictionaryList->setCurrentRow(-1);
    return true;
}

void DictionaryPane::closeDictionary() {
    finishGridRow();
    m_table1.close();
    m_notes->clear();
    m_description->clear();
    m_searchEdit->clear();
    listDictionaries();
}

void DictionaryPane::openSelectedDictionary() {
    m_state.czechLanguage = QStringLiteral("Česky");
    m_state.otherLanguage = QStringLiteral("Jiný jazyk");
    m_state.soundFolder.clear();
    m_state.foreignCodePage = &core::CodePage::windows1250();
    setSoundFolderShown(false, false);
    QListWidgetItem* selected = m_dictionaryList->currentItem();
    if (!selected)
        return;
    const QString name = selected->text();
    const QString folder = QDir(m_state.userFolder()).filePath(name);
    finishGridRow(); // by the rules of the dictionary it was typed in
    loadTestWordRules(folder);

    m_fonts = {font(), font(), font()};
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

void DictionaryPane::loadTestWordRules(const QString& folder) {
    // Dictionaries of older installations shared the user's code.ini; each gets a copy.
    dictionary::ensureDictionaryCodeIni(m_services.messages, m_state.userFolder(), folder);
    try {
        entry::readCodeIni(QDir(folder).filePath(QStringLiteral("code.ini")), m_testWordRules);
        m_testWordRules.unicodeCaseFolding = !m_state.foreignCodePage->isWindows1250();
    } catch (const core::FileError& error) {
        m_services.messages.error(error.message());
    }
}

void DictionaryPane::setSoundFolderShown(bool hasSounds, bool addsSounds) {
    m_soundButton->setVisible(hasSounds);
    if (!hasSounds)
        m_soundButton->setEnabled(false);
    emit soundsChanged(hasSounds, addsSounds);
}

bool DictionaryPane::openDictionaryTable(const QString& folder, const QString& name) {
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

void DictionaryPane::readDictionarySettings(const QString& folder) {
    m_settings = dictionary::readSetIni(QDir(folder).filePath(QStringLiteral("set.ini")));
    const dictionary::DictionarySettings& settings = m_settings;
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
    m_state.foreignCodePage = &dictionary::foreignCodePage(settings);
    m_testWordRules.unicodeCaseFolding = !m_state.foreignCodePage->isWindows1250();
    setSoundFolderShown(!m_state.soundFolder.isEmpty(),
                        settings.soundKind == dictionary::SoundFolderKind::Increment);
    m_fonts = {fontFrom(settings.fonts.cz, font()), fontFrom(settings.fonts.other, font()),
               fontFrom(settings.fonts.intr, font())};
    m_description->setFont(m_fonts.description);
    // The grid's rows are as tall as the larger of the two word fonts needs.
    QFont gridFont = m_grid->font();
    gridFont.setPointSize(std::max(m_fonts.other.pointSize(), m_fonts.czech.pointSize()));
    m_grid->setFont(gridFont);
    m_notes->setPlainText(settings.note.join(u'\n'));
    emit dictionaryOpened();
}

bool DictionaryPane::restoreGridLayout() {
    std::vector<dictionary::GridColumn> columns;
    try {
        columns = dictionary::loadGridLayout(m_state.path(QStringLiteral("grid.tmp")));
    } catch (const core::FileError&) {
        m_state.closeWithoutAsking = true;
        m_services.messages.error(QStringLiteral("Chyba při čtení z dočasného souboru."));
        emit closeRequested();
        return false;
    }
    if (columns.size() > 1) {
        columns[1].title = m_state.otherLanguage;
        columns[0].title = m_state.czechLanguage;
    }
    m_wordModel->setColumns(columns);
    m_wordModel->setColumnFont(0, m_fonts.czech);
    m_wordModel->setColumnFont(1, m_fonts.other);
    fitGridColumns(columns);
    return true;
}

// The titles bold in the grid's font, the header as high as they need; the widths of
// grid.tmp, widened on screen where a column's title or its widest number in the grid's font
// needs more; the file keeps its widths.
void DictionaryPane::fitGridColumns(const std::vector<dictionary::GridColumn>& columns) {
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

void DictionaryPane::applySortItem(int item) {
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
        m_wordModel->setColumnFont(0, foreignFirst ? m_fonts.other : m_fonts.czech);
        m_wordModel->setColumnFont(1, foreignFirst ? m_fonts.czech : m_fonts.other);
        fitGridColumns(columns);
    }
    const bool searchable = dictionary::sortItemSearchable(item);
    m_searchPanel->setEnabled(searchable);
}

void DictionaryPane::applyLessonFilter() {
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

void DictionaryPane::searchWord() {
    if (!m_table1.active() || !postGridRow())
        return;
    try {
        m_table1.findNearest({m_searchEdit->text()});
    } catch (const store::Error&) {
        return; // an order without a word to look up (the lesson orders)
    }
    refreshWordState();
}

} // namespace shell
