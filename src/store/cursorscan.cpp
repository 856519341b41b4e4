// Reading a cursor's whole view in one pass.
#include "store/cursor.h"

#include "store/database.h"
#include "store/query.h"

namespace store {

void Cursor::forEachStoredRow(const std::vector<int>& reads,
                              const std::function<void(StoredRow&, int)>& visit) {
    sync();
    const std::vector<qint64> rows = m_rows; // visit may look at the view meanwhile
    size_t done = 0;
    {
        Database& database = db();
        ReadScope scope(database);
        Query ordered(database, m_order->orderedSelect(database.recordSql().columnsReading(reads)));
        m_order->bindCondition(ordered);
        const auto rowIdColumn = static_cast<int>(reads.size());
        // The view is the table's reading in the same order; should they ever disagree, the
        // view decides and the rest is read record by record.
        StoredRow row;
        while (done < rows.size() && ordered.next() && ordered.int64(rowIdColumn) == rows[done]) {
            row.readFrom(ordered, schema(), reads);
            visit(row, static_cast<int>(done) + 1);
            ++done;
        }
    }
    constexpr size_t kChunk = 2048;
    for (; done < rows.size(); done += kChunk) {
        const auto count = std::min(kChunk, rows.size() - done);
        int recNo = static_cast<int>(done);
        for (StoredRow& row : readStoredRows(recNo + 1, static_cast<int>(count)))
            visit(row, ++recNo);
    }
}

} // namespace store
