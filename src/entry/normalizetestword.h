#pragma once

#include "entry/testwordrules.h"

#include <QString>

namespace store {
class Cursor;
}

namespace entry {

// The test word of an expression or of a typed answer: case folded, bracketed notes
// removed, the trim sets taken off both ends, and (when the rules say so) spaces around
// commas removed up to the first comma that stands first in what remains. Answers are
// right when their test words are equal byte for byte.
QString normalizeTestWord(const QString& text, const TestWordRules& rules);

// Fills Czechzk and Otherzk of the record being posted from Czech and Other.
void fillTestWords(store::Cursor& dictionary, const TestWordRules& rules);

// What every post of a dictionary entry does first: refuses a new entry, or a changed word,
// without both its words (store::Error with the message for the user); keeps the counters
// and the lesson valid and derives the test words by the rules.
void prepareEntryForPost(store::Cursor& dictionary, const TestWordRules& rules);

} // namespace entry
