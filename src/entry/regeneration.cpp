#include "entry/regeneration.h"

#include "entry/tablewalk.h"
#include "store/postbatch.h"

namespace entry {

void regenerate(store::Cursor& dictionary, const WalkProgress& progress) {
    const TableWalk walk(dictionary, TableWalk::Filter::Restore);
    store::PostBatch batch(dictionary);
    const int total = dictionary.recordCount();
    int done = 0;
    for (dictionary.first(); !dictionary.eof(); dictionary.next()) {
        dictionary.edit();
        dictionary.post();
        if (progress)
            progress(++done, total);
    }
    batch.finish();
}

} // namespace entry
