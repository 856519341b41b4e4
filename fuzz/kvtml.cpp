// A kvtml file offered for import, read with either language as Czech into an empty
// dictionary: what is counted added is there.
#include "dictionaryentries.h"

#include "core/usererror.h"
#include "exchange/kvtmlreader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    exchange::KvtmlContent content;
    try {
        content = exchange::readKvtml(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const core::UserError&) {
        return 0;
    }
    store::Cursor dictionary;
    openEmptyDictionary(dictionary);
    int added = 0;
    for (const auto czech : {exchange::CzechColumn::First, exchange::CzechColumn::Second}) {
        const exchange::ImportCount count =
            exchange::importPeerEntries(dictionary, exchange::kvtmlEntries(content, czech));
        require(count.reasons.size() == count.refused);
        added += count.added;
    }
    require(dictionary.recordCount() == added);
    return 0;
}
