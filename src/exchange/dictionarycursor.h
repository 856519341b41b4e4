#pragma once

#include "entry/testwordrules.h"

#include <QString>

namespace core {
class Messages;
}

namespace store {
class Cursor;
}

namespace exchange {

// Shows "Není vybrán žádný slovník" and answers false when the cursor has no dictionary open.
bool requireOpenDictionary(const store::Cursor& dictionary, core::Messages& messages);

// Makes every post through the cursor prepare the entry by these rules, as posts through the
// word list do by the open dictionary's.
void keepEntriesOnPost(store::Cursor& dictionary, const entry::TestWordRules& rules);

// Opens the dictionary table of a dictionary folder on the cursor.
void openDictionaryTable(store::Cursor& dictionary, const QString& dictionaryFolder);

} // namespace exchange
