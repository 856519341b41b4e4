#pragma once

#include <QString>

namespace entry {

// How an expression is reduced to its test word: which bracketed notes go, which characters
// are trimmed at either end, whether case counts. One set per dictionary, kept in its code.ini.
struct TestWordRules {
    bool excludeSlashes = true;     // "/ /"
    bool excludeBackslashes = true; // "\ \"
    bool excludeSquare = true;      // "[ ]"
    bool excludeAngle = true;       // "< >"
    bool excludeBraces = true;      // "{ }"
    bool excludeParentheses = true; // "( )"
    QString beginSet = QStringLiteral(".,!?:;-_");
    bool beginSpace = true;
    QString endSet = QStringLiteral(".,!?:;-_");
    bool endSpace = true;
    bool ignoreCase = true;
    // Spaces around commas are removed only while this is on.
    bool ignoreCommaSpaces = true;
    // Not in code.ini: a dictionary whose foreign words are outside Windows-1250 (Cyrillic,
    // Greek, …) folds case by Unicode, which knows their capitals, instead of the code page.
    bool unicodeCaseFolding = false;

    bool operator==(const TestWordRules&) const = default;
};

} // namespace entry
