#include "exchange/peerentries.h"

#include "entry/wordentry.h"
#include "exchange/importbatch.h"

namespace exchange {

ImportCount importPeerEntries(store::Cursor& dictionary, const PeerEntries& read,
                              const Progress& progress) {
    const int total = static_cast<int>(read.entries.size());
    EntryImporter importer(dictionary, total);
    ImportBatch batch(dictionary, importer.storedEntries(), total);
    int done = 0;
    for (const PeerEntry& peer : read.entries) {
        if (entry::hasBothWords(peer.entry.czech, peer.entry.other))
            importer.add(peer.entry, {u"řádek", peer.line});
        if (progress)
            progress(++done, total);
    }
    batch.finish(progress, total);
    return importer.count();
}

} // namespace exchange
