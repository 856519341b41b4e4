// Another dictionary's table file imported into an empty dictionary, with its statistics: a
// file that is not a readable dictionary is refused, and what is counted added is there.
#include "dictionaryentries.h"

#include "core/usererror.h"
#include "exchange/dictionaryimport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString source = FuzzInput::folder(QStringLiteral("source"));
    QDir(source).removeRecursively(); // with the engine's log of the last input
    FuzzInput(data, size).file(QStringLiteral("source/dictonary.db"));
    store::Cursor dictionary;
    openEmptyDictionary(dictionary);
    try {
        const exchange::ImportCount count =
            exchange::importDictionary(dictionary, {source, std::nullopt, true});
        require(dictionary.recordCount() == count.added);
    } catch (const core::UserError&) {
    }
    return 0;
}
