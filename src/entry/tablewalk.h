#pragma once

#include "store/cursor.h"

namespace entry {

// Holds a dictionary cursor for a walk over its whole table: attached views hear nothing
// meanwhile and the filter is off; a walk that may visit the records in any order goes in
// record order, the quickest. However the walk ends, an unfinished edit is cancelled, the
// filter is put back when asked for, so is the order, the cursor goes to the first record and
// the views are told once.
class TableWalk {
public:
    enum class Filter { Restore, LeaveOff };
    enum class Order { Kept, Record };

    TableWalk(store::Cursor& dictionary, Filter filter, Order order = Order::Kept);
    ~TableWalk();
    TableWalk(const TableWalk&) = delete;
    TableWalk& operator=(const TableWalk&) = delete;

private:
    store::Cursor& m_dictionary;
    Filter m_filterAfter;
    QString m_filter;
    bool m_filtered;
    Order m_order;
};

} // namespace entry
