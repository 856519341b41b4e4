// A file of Anki's or Mnemosyne's notes in plain text offered for import, read into an empty
// dictionary: what is counted added is there, and no field keeps a script.
#include "dictionaryentries.h"

#include "core/usererror.h"
#include "exchange/ankitext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    exchange::AnkiContent content;
    try {
        content = exchange::readAnkiText(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const core::UserError&) {
        return 0;
    }
    const exchange::PeerEntries read =
        exchange::ankiEntries(content, exchange::CzechColumn::Second);
    store::Cursor dictionary;
    openEmptyDictionary(dictionary);
    const exchange::ImportCount count = exchange::importPeerEntries(dictionary, read);
    require(dictionary.recordCount() == count.added);
    require(count.reasons.size() == count.refused);
    return 0;
}
