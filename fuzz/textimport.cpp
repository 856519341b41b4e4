// A text file offered for import, read as TAB-separated lines (with the character replacing
// directive) and as line pairs into an empty dictionary: what is counted added is there.
#include "dictionaryentries.h"

#include "core/usererror.h"
#include "exchange/textfilelines.h"
#include "exchange/textimport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList lines;
    try {
        lines = exchange::readImportLines(FuzzInput(data, size).file(QStringLiteral("words.txt")));
    } catch (const core::UserError&) {
        return 0;
    }
    store::Cursor dictionary;
    openEmptyDictionary(dictionary);
    const exchange::ImportCount tabs = exchange::importTabSeparated(dictionary, lines);
    const exchange::ImportCount pairs = exchange::importLinePairs(dictionary, lines);
    require(dictionary.recordCount() == tabs.added + pairs.added);
    require(tabs.reasons.size() == tabs.refused && pairs.reasons.size() == pairs.refused);
    return 0;
}
