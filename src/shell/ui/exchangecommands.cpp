// The main window's exports, imports and bulk lesson changes of the open dictionary. The
// work lives in the exchange library; here it gets its file and dialog choices, the wait
// cursor and progress bar, and the word list shows the outcome.
#include "shell/ui/mainwindow.h"

#include "dictionary/wordlist.h"
#include "exchange/exportcommands.h"
#include "exchange/importcommands.h"
#include "exchange/lessonchange.h"
#include "exchange/lessonzero.h"
#include "exchange/peercommands.h"
#include "exchange/ui/bulkchangedialog.h"
#include "exchange/ui/lessonselectiondialog.h"
#include "shell/ui/dictionarypane.h"
#include "shell/ui/importprogress.h"
#include "shell/ui/longwalk.h"
#include "shell/ui/maindialogs.h"

#include <QDir>
#include <QFileInfo>
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

void MainWindow::exportWords(bool html) {
    const exchange::ExportFolders folders{m_state.applicationFolder, m_state.userFolder()};
    WalkIndicator walk(m_pane->grid(), *m_progress);
    std::optional<exchange::ExportResult> written;
    if (html) {
        const exchange::HtmlExportHeadings headings{m_pane->lessonShown(), m_state.czechLanguage,
                                                    m_state.otherLanguage};
        written = exchange::runHtmlExport(m_pane->table1(), folders, headings, m_services.messages,
                                          &m_services.system, walk.progress());
    } else {
        written =
            exchange::runTxtExport(m_pane->table1(), folders, m_services.messages,
                                   &m_services.system, walk.progress(), *m_state.foreignCodePage);
    }
    if (written) {
        statusBar()->showMessage(u"Export zapsán do "_s +
                                 m_state.shownPath(html ? folders.htmlPath() : folders.txtPath()));
    }
}

void MainWindow::importDictionary(bool withStatistics) {
    if (!m_pane->dictionaryOpen())
        return;
    const std::optional<QString> source =
        m_services.files.pickFileToOpen(u"Slovníky (dictonary.db)"_s, m_state.userFolder(), this);
    if (!source)
        return;
    const std::optional<exchange::LessonChoice> lesson =
        m_dialogs->lessonSelection->run(m_pane->lessonItems());
    if (!lesson)
        return;
    m_pane->chooseSortItem(0);
    {
        ImportProgress import(*this, m_services.messages);
        exchange::runDictionaryImport(m_pane->table1(), {*source, lesson->lesson, withStatistics},
                                      import.messages(), import.progress(),
                                      safetyCopyBefore(BulkWork::Import));
    }
    m_pane->chooseSortItem(0);
}

void MainWindow::importText(exchange::TextLayout layout) {
    if (!m_pane->dictionaryOpen())
        return;
    const std::optional<QString> file =
        m_services.files.pickFileToOpen(u"Textové soubory (*.txt)"_s, m_state.userFolder(), this);
    if (!file)
        return;
    m_pane->chooseSortItem(0);
    ImportProgress import(*this, m_services.messages);
    exchange::runTextImport(layout, m_pane->table1(), *file, import.messages(), import.progress(),
                            safetyCopyBefore(BulkWork::Import), *m_state.foreignCodePage);
}

namespace {

QString peerFileFilter(exchange::PeerFormat format) {
    return format == exchange::PeerFormat::Kvtml ? u"Slovníky KDE (*.kvtml)"_s
                                                 : u"Poznámky Anki a Mnemosyne (*.txt *.tsv)"_s;
}

} // namespace

void MainWindow::importPeerFile(exchange::PeerFormat format) {
    if (!m_pane->dictionaryOpen())
        return;
    const std::optional<QString> file =
        m_services.files.pickFileToOpen(peerFileFilter(format), m_state.userFolder(), this);
    if (!file)
        return;
    m_pane->chooseSortItem(0);
    ImportProgress import(*this, m_services.messages);
    exchange::runPeerImport(format, m_pane->table1(), *file, import.messages(), std::nullopt,
                            import.progress(), safetyCopyBefore(BulkWork::Import));
}

void MainWindow::exportPeerFile(exchange::PeerFormat format) {
    if (!m_pane->dictionaryOpen())
        return;
    const std::optional<QString> file = m_services.files.pickFileToSave(
        peerFileFilter(format), format == exchange::PeerFormat::Kvtml ? u"kvtml"_s : u"txt"_s,
        this);
    if (!file)
        return;
    const exchange::KvtmlNames names{QFileInfo(m_pane->table1().databaseName()).dir().dirName(),
                                     m_state.otherLanguage};
    WalkIndicator walk(m_pane->grid(), *m_progress);
    if (exchange::runPeerExport(format, m_pane->table1(), *file, names, m_services.messages,
                                walk.progress()))
        statusBar()->showMessage(u"Export zapsán do "_s + QDir::toNativeSeparators(*file));
}

void MainWindow::changeLessonsInBulk() {
    if (!m_pane->dictionaryOpen())
        return;
    const std::optional<exchange::BulkLessonChoice> choice =
        m_dialogs->bulkLessonChange->run(m_pane->lessonItems());
    if (!choice)
        return;
    WalkIndicator walk(m_pane->grid(), *m_progress);
    exchange::runBulkLessonChange(m_pane->table1(), *choice, m_state.lessonCount,
                                  m_services.messages, walk.progress(),
                                  safetyCopyBefore(BulkWork::LessonChange));
    if (!walk.started())
        return;
    // The walk leaves an order by lesson for its counterpart without the lesson, so that no
    // entry moves within it, and looks at every lesson: the word list shows both.
    const int sortItem = m_pane->sortItem();
    if (sortItem >= 2 &&
        m_pane->table1().indexName() != dictionary::sortIndexName(sortItem, m_state.newIndex))
        m_pane->chooseSortItem(sortItem - 2);
    m_pane->showAllLessons();
}

void MainWindow::findLessonsOfLessonZero() {
    if (!m_pane->dictionaryOpen())
        return;
    m_pane->chooseSortItem(1);
    m_pane->showAllLessons();
    WalkIndicator walk(m_pane->grid(), *m_progress);
    exchange::runFindLessonsOfLessonZero(m_pane->table1(), m_services.messages, walk.progress(),
                                         safetyCopyBefore(BulkWork::LessonZero));
}

} // namespace shell
