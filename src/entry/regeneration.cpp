#include "entry/regeneration.h"

#include "core/czechplural.h"
#include "entry/tablewalk.h"
#include "store/postbatch.h"

namespace entry {

int regenerate(store::Cursor& dictionary, const WalkProgress& progress) {
    const TableWalk walk(dictionary, TableWalk::Filter::Restore);
    store::PostBatch batch(dictionary);
    const int total = dictionary.recordCount();
    int done = 0;
    for (dictionary.first(); !dictionary.eof(); dictionary.next()) {
        dictionary.edit();
        dictionary.post();
        ++done;
        if (progress)
            progress(done, total);
    }
    batch.finish();
    return done;
}

QString regenerationDone(int entries) {
    return core::czechCount(entries, u"Přegenerováno %1 slovíčko.", u"Přegenerována %1 slovíčka.",
                            u"Přegenerováno %1 slovíček.");
}

} // namespace entry
