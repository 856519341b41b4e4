#include "storebench.h"

#include "stopwatch.h"
#include "store/postbatch.h"

#include <QFileInfo>

namespace bench {
namespace {

// A closed cursor on the file, sorted by Czech and Other from its first scan.
std::unique_ptr<store::Cursor> cursorOn(const QString& path) {
    const QFileInfo file(path);
    auto cursor = std::make_unique<store::Cursor>();
    cursor->setDatabaseName(file.absolutePath());
    cursor->setTableName(file.fileName());
    cursor->setIndexName(QStringLiteral("czechtoothernew"));
    return cursor;
}

} // namespace

double StoreBench::append(const QString& path, const std::vector<Entry>& entries) {
    std::vector<QVariantList> records;
    records.reserve(entries.size());
    for (const Entry& entry : entries)
        records.push_back(entry.values());
    const std::unique_ptr<store::Cursor> cursor = cursorOn(path);
    cursor->open();

    // As an import appends: one unit, the indexes built once at its end.
    const Stopwatch clock;
    store::PostBatch batch(*cursor, store::PostBatch::Extent::AllOrNothing);
    batch.deferIndexes();
    for (const QVariantList& record : records)
        cursor->appendRecord(record);
    batch.finish();
    // Done when the view shows every new record in its order.
    cursor->recordCount();
    return clock.elapsedMicroseconds();
}

double StoreBench::openFirstPage(const QString& path, int rows) {
    const Stopwatch clock;
    const std::unique_ptr<store::Cursor> cursor = cursorOn(path);
    cursor->open();
    m_page = cursor->readRows(1, rows);
    return clock.elapsedMicroseconds();
}

void StoreBench::openView(const QString& path) {
    m_view = cursorOn(path);
    m_view->open();
    m_view->first(); // a cursor reads its view at its first use
}

void StoreBench::closeView() {
    m_view.reset();
}

double StoreBench::selectOrder(const QString& indexName) {
    const Stopwatch clock;
    m_view->setIndexName(indexName);
    m_view->first(); // a cursor reads its view at its first use
    return clock.elapsedMicroseconds();
}

double StoreBench::readPage(int firstRecNo, int rows) {
    const Stopwatch clock;
    m_page = m_view->readRows(firstRecNo, rows);
    return clock.elapsedMicroseconds();
}

double StoreBench::findNearest(const QString& prefix, int& recNo) {
    const Stopwatch clock;
    m_view->findNearest({prefix});
    recNo = m_view->recNo();
    return clock.elapsedMicroseconds();
}

double StoreBench::filterLesson(int lesson, int& count) {
    const Stopwatch clock;
    m_view->setFilter(QStringLiteral("Lekce = %1").arg(lesson));
    m_view->setFiltered(true);
    count = m_view->recordCount();
    const double elapsed = clock.elapsedMicroseconds();
    m_view->setFiltered(false);
    m_view->setFilter(QString());
    return elapsed;
}

double StoreBench::postOne(int recNo, int pom) {
    m_view->setRecNo(recNo);
    const Stopwatch clock;
    m_view->edit();
    m_view->field(QStringLiteral("Pom")).setAsInteger(pom);
    m_view->post();
    return clock.elapsedMicroseconds();
}

double StoreBench::postingWalk(int increment) {
    store::Cursor& view = *m_view;
    const Stopwatch clock;
    store::PostBatch batch(view);
    for (view.first(); !view.eof(); view.next()) {
        view.edit();
        const qint64 sum = view.field(QStringLiteral("Dobre")).asInteger() +
                           view.field(QStringLiteral("Spatne")).asInteger();
        view.field(QStringLiteral("Pom")).setAsInteger(sum + increment);
        view.post();
    }
    batch.finish();
    return clock.elapsedMicroseconds();
}

} // namespace bench
