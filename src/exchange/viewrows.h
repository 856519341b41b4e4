#pragma once

#include "store/cursor.h"

namespace exchange {

// Calls visit(row, recNo) for every record of the cursor's view, first to last, in the order
// of its current index and through its filter, reading the rows in chunks and leaving the
// cursor where it stands. A row decodes only the fields read from it.
template <typename Visit> void forEachViewRow(store::Cursor& cursor, Visit visit) {
    constexpr int kChunk = 2048;
    const int total = cursor.recordCount();
    for (int first = 1; first <= total; first += kChunk) {
        int recNo = first;
        for (const store::StoredRow& row : cursor.readStoredRows(first, kChunk))
            visit(row, recNo++);
    }
}

} // namespace exchange
