#pragma once

#include "store/cursor.h"

namespace exchange {

// Calls visit(row, recNo) for every record of the cursor's view, first to last, in the order
// of its current index and through its filter, in one reading of the table, leaving the
// cursor where it stands. A row decodes only the fields read from it.
template <typename Visit> void forEachViewRow(store::Cursor& cursor, Visit visit) {
    cursor.forEachStoredRow(visit);
}

} // namespace exchange
