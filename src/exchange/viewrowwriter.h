#pragma once

#include "exchange/entryimporter.h"
#include "store/storedrow.h"

#include <functional>
#include <span>
#include <vector>

namespace store {
class Cursor;
}

namespace exchange {

using WriteRows = std::function<void(std::span<const store::StoredRow>)>;

// Reads the fields in reads (by index) of every record of the cursor's view, in its order and
// through its filter, and hands the rows to write in batches, in order. write runs on a worker
// thread while the next batch is read, so that an export takes about as long as the reading
// alone: it must touch no table (the connection is the reading thread's) and nothing else
// the caller uses until the walk returns. progress is called on the caller's thread. Returns
// the number of rows; a failure of write is thrown here.
int writeViewRows(store::Cursor& cursor, const std::vector<int>& reads, const Progress& progress,
                  const WriteRows& write);

} // namespace exchange
