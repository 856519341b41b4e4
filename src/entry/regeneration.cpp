#include "entry/regeneration.h"

#include "core/czechplural.h"
#include "entry/tablewalk.h"
#include "store/busyticks.h"
#include "store/postbatch.h"

namespace entry {

namespace {

// Once the walk has rewritten this share of the records, or most of the first ones, the
// indexes of the test words are built anew at its end rather than kept entry by entry.
constexpr qint64 kRebuildShare = 8;
constexpr int kFirstRecords = 1000;

bool rewritesMuch(qint64 writes, int done, int total) {
    return writes * kRebuildShare > total || (done >= kFirstRecords && writes * 2 > done);
}

} // namespace

int regenerate(store::Cursor& dictionary, const WalkProgress& progress,
               const std::function<void()>& stillBusy) {
    const store::BusyTicks ticks(dictionary, stillBusy);
    const TableWalk walk(dictionary, TableWalk::Filter::Restore, TableWalk::Order::Record);
    store::PostBatch batch(dictionary, store::PostBatch::Extent::AllOrNothing,
                           store::PostBatch::Sync::Later);
    const int total = dictionary.recordCount();
    bool rebuilding = false;
    int done = 0;
    for (dictionary.first(); !dictionary.eof(); dictionary.next()) {
        dictionary.edit();
        dictionary.post();
        ++done;
        if (!rebuilding && rewritesMuch(batch.writes(), done, total)) {
            batch.deferIndexesOf(QStringLiteral("Czechzk"));
            batch.deferIndexesOf(QStringLiteral("Otherzk"));
            rebuilding = true;
        }
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
