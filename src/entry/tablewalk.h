#pragma once

#include "store/cursor.h"

namespace entry {

// Holds a dictionary cursor for a walk over its whole table: attached views hear nothing
// meanwhile and the filter is off. However the walk ends, an unfinished edit is cancelled,
// the filter is put back when asked for, the cursor goes to the first record and the views
// are told once.
class TableWalk {
public:
    enum class Filter { Restore, LeaveOff };

    TableWalk(store::Cursor& dictionary, Filter filter);
    ~TableWalk();
    TableWalk(const TableWalk&) = delete;
    TableWalk& operator=(const TableWalk&) = delete;

private:
    store::Cursor& m_dictionary;
    Filter m_filterAfter;
    QString m_filter;
    bool m_filtered;
};

} // namespace entry
