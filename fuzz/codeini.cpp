// A dictionary's code.ini, and test words made by its rules.
#include "fuzzinput.h"

#include "core/usererror.h"
#include "entry/codeini.h"
#include "entry/normalizetestword.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    entry::TestWordRules rules;
    try {
        entry::readCodeIni(FuzzInput(data, size).file(QStringLiteral("code.ini")), rules);
    } catch (const core::UserError&) {
        return 0;
    }
    for (const QString& word : {QStringLiteral("(to) Go, went!"), QStringLiteral(" [x] ...Dům{}? "),
                                QStringLiteral("/a/ \\b\\ <c> a , b"), QString()})
        entry::normalizeTestWord(word, rules);
    // What the file holds is what it gives back when written.
    entry::TestWordRules again;
    entry::applyCodeIniLines(entry::codeIniLines(rules), again);
    require(again == rules);
    return 0;
}
