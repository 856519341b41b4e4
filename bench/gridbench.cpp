#include "gridbench.h"

#include "stopwatch.h"

#include "dictionary/gridlayout.h"
#include "dictionary/wordlist.h"
#include "dictionary/wordtablemodel.h"
#include "store/cursor.h"

#include <QFileInfo>

namespace bench {
namespace {

// The dictionary cursor and the grid's model on it, as the main window has them.
struct OpenDictionary {
    explicit OpenDictionary(const QString& path) {
        const QFileInfo file(path);
        table.setDatabaseName(file.absolutePath());
        table.setTableName(file.fileName());
        table.setIndexName(dictionary::sortIndexName(0, true));
        table.open();
        model.setColumns(dictionary::designedGridColumns());
    }

    // Reads every cell of the first screen, as the grid paints it.
    void paintFirstScreen() {
        const int rows = std::min(model.rowCount(), GridBench::kScreenRows);
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < model.columnCount(); ++column)
                model.index(row, column).data();
        }
    }

    store::Cursor table;
    dictionary::WordTableModel model{table};
};

} // namespace

double GridBench::openFirstScreen(const QString& path) {
    const Stopwatch clock;
    OpenDictionary open(path);
    open.paintFirstScreen();
    return clock.elapsedMicroseconds();
}

double GridBench::switchOrder(const QString& path, const QString& indexName) {
    OpenDictionary open(path);
    open.paintFirstScreen();
    const Stopwatch clock;
    open.table.setIndexName(indexName);
    open.paintFirstScreen();
    return clock.elapsedMicroseconds();
}

double GridBench::switchLesson(const QString& path, int lesson) {
    OpenDictionary open(path);
    open.paintFirstScreen();
    const Stopwatch clock;
    open.table.setFiltered(false);
    open.table.setFiltered(true);
    open.table.setFilter(dictionary::lessonFilterText(QString::number(lesson)));
    open.paintFirstScreen();
    return clock.elapsedMicroseconds();
}

double GridBench::searchKeystroke(const QString& path, const QString& typed) {
    OpenDictionary open(path);
    open.paintFirstScreen();
    const Stopwatch clock;
    open.table.findNearest({typed});
    open.table.recNo();
    return clock.elapsedMicroseconds();
}

} // namespace bench
