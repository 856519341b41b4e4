#include "exchange/importbatch.h"

#include "store/busyticks.h"
#include "store/cursor.h"

namespace exchange {
namespace {

// Building the indexes anew costs about as much per stored entry as adding an entry to
// them costs per new one, and never pays for a few entries.
constexpr qsizetype kFewestForRebuild = 1000;

bool rebuildsIndexes(qsizetype storedEntries, qsizetype incomingEntries) {
    return incomingEntries >= kFewestForRebuild && incomingEntries >= storedEntries;
}

} // namespace

ImportBatch::ImportBatch(store::Cursor& dictionary, qsizetype storedEntries,
                         qsizetype incomingEntries)
    : m_dictionary(dictionary)
    , m_batch(dictionary, store::PostBatch::Extent::AllOrNothing) {
    if (rebuildsIndexes(storedEntries, incomingEntries))
        m_batch.deferIndexes();
    m_dictionary.disableControls();
}

ImportBatch::~ImportBatch() {
    m_dictionary.enableControls();
}

void ImportBatch::finish(const Progress& progress, int total) {
    std::function<void()> lastStep;
    if (progress)
        lastStep = [&] {
            progress(total, total);
        };
    const store::BusyTicks ticks(m_dictionary, std::move(lastStep));
    m_batch.finish();
}

} // namespace exchange
