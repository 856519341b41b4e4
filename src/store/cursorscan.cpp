// Reading a cursor's whole view in one pass.
#include "store/cursor.h"

#include "store/database.h"
#include "store/query.h"

namespace store {

void Cursor::forEachStoredRow(const std::function<void(const StoredRow&, int)>& visit) {
    sync();
    const std::vector<qint64> rows = m_rows; // visit may look at the view meanwhile
    size_t done = 0;
    {
        Database& database = db();
        ReadScope scope(database);
        Query ordered(database,
                      m_order->orderedSelect(database.recordSql().columns() + QStringLiteral(", ") +
                                             quotedName(schema().rowIdColumn)));
        m_order->bindCondition(ordered);
        const int rowIdColumn = fieldCount();
        // The view is the table's reading in the same order; should they ever disagree, the
        // view decides and the rest is read record by record.
        while (done < rows.size() && ordered.next() && ordered.int64(rowIdColumn) == rows[done]) {
            visit(StoredRow::read(ordered, schema()), static_cast<int>(done) + 1);
            ++done;
        }
    }
    constexpr size_t kChunk = 2048;
    for (; done < rows.size(); done += kChunk) {
        const auto count = std::min(kChunk, rows.size() - done);
        int recNo = static_cast<int>(done);
        for (const StoredRow& row : readStoredRows(recNo + 1, static_cast<int>(count)))
            visit(row, ++recNo);
    }
}

} // namespace store
