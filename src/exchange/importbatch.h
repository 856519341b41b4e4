#pragma once

#include "exchange/entryimporter.h"
#include "store/postbatch.h"

#include <QtGlobal>

namespace store {
class Cursor;
}

namespace exchange {

// The one unit an import is: finish() keeps all of it, anything else (a failure, the
// user's stop, a killed program) none. The views of the dictionary hear of it once, at its
// end. An import large for the dictionary's size builds the indexes once at its end instead
// of entry by entry: the importer keeps the keys apart meanwhile.
class ImportBatch {
public:
    ImportBatch(store::Cursor& dictionary, qsizetype storedEntries, qsizetype incomingEntries);
    ~ImportBatch();
    ImportBatch(const ImportBatch&) = delete;
    ImportBatch& operator=(const ImportBatch&) = delete;

    // Keeps the import. While the indexes are built at the end, progress is called with the
    // last step again and again, so that a window can repaint; it must not use any table.
    void finish(const Progress& progress = {}, int total = 0);

private:
    store::Cursor& m_dictionary;
    store::PostBatch m_batch;
};

} // namespace exchange
