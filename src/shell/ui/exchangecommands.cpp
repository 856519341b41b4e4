// The main window's exports, imports and bulk lesson changes of the open dictionary. The
// work lives in the exchange library; here it gets its file and dialog choices, the wait
// cursor and progress bar, and the word list shows the outcome.
#include "shell/ui/mainwindow.h"

#include "dictionary/wordlist.h"
#include "exchange/exportcommands.h"
#include "exchange/importcommands.h"
#include "exchange/lessonchange.h"
#include "exchange/lessonzero.h"
#include "exchange/ui/bulkchangedialog.h"
#include "exchange/ui/lessonselectiondialog.h"
#include "shell/ui/longwalk.h"

#include <QComboBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>

#include <optional>

namespace shell {
namespace {

using namespace Qt::StringLiterals;

// The wait cursor, the disabled grid and the moving bar from the first step of a walk on,
// so that the questions asked before it find the window as usual.
class WalkIndicator {
public:
    WalkIndicator(QWidget& grid, QProgressBar& bar)
        : m_grid(grid)
        , m_bar(bar) {}

    exchange::Progress progress() {
        return [this](int done, int total) {
            if (!m_walk) {
                m_walk.emplace(m_grid, m_bar);
                m_step = m_walk->progress();
            }
            m_step(done, total);
        };
    }
    bool started() const { return m_walk.has_value(); }

private:
    QWidget& m_grid;
    QProgressBar& m_bar;
    std::optional<LongWalk> m_walk;
    exchange::Progress m_step;
};

} // namespace

void MainWindow::connectExchange() {
    enableCommand("ExportHtml", [this] { exportWords(true); });
    enableCommand("ExportTxt", [this] { exportWords(false); });
    enableCommand("ImportDictionary", [this] { importDictionary(false); });
    enableCommand("ImportDictionaryWithStatistics", [this] { importDictionary(true); });
    enableCommand("ImportLines", [this] { importText(exchange::TextLayout::LinePairs); });
    enableCommand("ImportTabs", [this] { importText(exchange::TextLayout::TabSeparated); });
    enableCommand("BulkLessonChange", &MainWindow::changeLessonsInBulk);
    enableCommand("FindLesson", &MainWindow::findLessonsOfLessonZero);
}

void MainWindow::exportWords(bool html) {
    const exchange::ExportFolders folders{m_state.applicationFolder, m_state.userFolder()};
    WalkIndicator walk(*m_grid, *m_progress);
    std::optional<exchange::ExportResult> written;
    if (html) {
        const exchange::HtmlExportHeadings headings{m_lessonCombo->currentText(),
                                                    m_state.czechLanguage, m_state.otherLanguage};
        written = exchange::runHtmlExport(m_table1, folders, headings, m_services.messages,
                                          &m_services.system, walk.progress());
    } else {
        written = exchange::runTxtExport(m_table1, folders, m_services.messages, &m_services.system,
                                         walk.progress());
    }
    if (written) {
        statusBar()->showMessage(u"Export zapsán do "_s +
                                 m_state.shownPath(html ? folders.htmlPath() : folders.txtPath()));
    }
}

void MainWindow::importDictionary(bool withStatistics) {
    if (!dictionaryOpen())
        return;
    const std::optional<QString> source =
        m_services.files.pickFileToOpen(u"Slovníky (dictonary.db)"_s, m_state.userFolder(), this);
    if (!source)
        return;
    const std::optional<exchange::LessonChoice> lesson = m_selLekce->run(lessonItems());
    if (!lesson)
        return;
    chooseSortItem(0);
    {
        WalkIndicator walk(*m_grid, *m_progress);
        exchange::runDictionaryImport(m_table1, {*source, lesson->lesson, withStatistics},
                                      m_services.messages, walk.progress());
    }
    chooseSortItem(0);
}

void MainWindow::importText(exchange::TextLayout layout) {
    if (!dictionaryOpen())
        return;
    const std::optional<QString> file =
        m_services.files.pickFileToOpen(u"Textové soubory (*.txt)"_s, m_state.userFolder(), this);
    if (!file)
        return;
    chooseSortItem(0);
    WalkIndicator walk(*m_grid, *m_progress);
    exchange::runTextImport(layout, m_table1, *file, m_services.messages, walk.progress());
}

void MainWindow::changeLessonsInBulk() {
    if (!dictionaryOpen())
        return;
    const std::optional<exchange::BulkLessonChoice> choice = m_multiChange->run(lessonItems());
    if (!choice)
        return;
    WalkIndicator walk(*m_grid, *m_progress);
    exchange::runBulkLessonChange(m_table1, *choice, m_state.lessonCount, m_services.messages,
                                  walk.progress());
    if (!walk.started())
        return;
    // The walk leaves an order by lesson for its counterpart without the lesson, so that no
    // entry moves within it, and looks at every lesson: the word list shows both.
    const int sortItem = m_sortCombo->currentIndex();
    if (sortItem >= 2 &&
        m_table1.indexName() != dictionary::sortIndexName(sortItem, m_state.newIndex))
        chooseSortItem(sortItem - 2);
    showAllLessons();
}

void MainWindow::findLessonsOfLessonZero() {
    if (!dictionaryOpen())
        return;
    chooseSortItem(1);
    showAllLessons();
    WalkIndicator walk(*m_grid, *m_progress);
    exchange::runFindLessonsOfLessonZero(m_table1, m_services.messages, walk.progress());
}

QStringList MainWindow::lessonItems() const {
    QStringList items;
    for (int i = 0; i < m_lessonCombo->count(); ++i)
        items << m_lessonCombo->itemText(i);
    return items;
}

void MainWindow::chooseSortItem(int item) {
    m_sortCombo->setCurrentIndex(item);
    applySortItem(item);
}

void MainWindow::showAllLessons() {
    m_lessonCombo->setCurrentIndex(0);
    applyLessonFilter();
}

} // namespace shell
