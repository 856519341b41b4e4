// A dictionary's set.ini, with its function-key records applied to the word entry's texts as
// the hot keys do, its character menus and its sound folder.
#include "fuzzinput.h"

#include "core/usererror.h"
#include "dictionary/setini.h"
#include "entry/hotkeys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    dictionary::DictionarySettings settings;
    try {
        settings = dictionary::readSetIni(FuzzInput(data, size).file(QStringLiteral("set.ini")));
    } catch (const core::UserError&) {
        return 0;
    }
    require(settings.functionKeys.empty() || (settings.functionKeys.begin()->first >= 5 &&
                                              settings.functionKeys.rbegin()->first <= 12));
    for (const auto& [key, record] : settings.functionKeys) {
        for (const bool singleLine : {true, false})
            entry::applyHotKey(
                record,
                {QStringLiteral("(to) go"), QStringLiteral("jít"), QStringLiteral("sloveso")},
                singleLine);
    }
    dictionary::soundFolder(settings, QStringLiteral("/app"));
    settings.otherLanguageFirst();
    return 0;
}
