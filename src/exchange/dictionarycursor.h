#pragma once

#include "entry/testwordrules.h"

#include <QString>

#include <functional>

namespace core {
class Messages;
}

namespace store {
class Cursor;
}

namespace exchange {

// Shows "Není vybrán žádný slovník" and answers false when the cursor has no dictionary open.
bool requireOpenDictionary(const store::Cursor& dictionary, core::Messages& messages);

// Called once the user has confirmed a change of the whole dictionary, right before it starts:
// the program takes its safety copy there. A core::UserError it raises stops the command
// before anything changed.
using BeforeChange = std::function<void()>;

// Runs beforeChange, if any; shows its failure and answers false when the change must not start.
bool prepareChange(const BeforeChange& beforeChange, core::Messages& messages);

// Makes every post through the cursor prepare the entry by these rules, as posts through the
// word list do by the open dictionary's.
void keepEntriesOnPost(store::Cursor& dictionary, const entry::TestWordRules& rules);

// Opens the dictionary table of a dictionary folder on the cursor.
void openDictionaryTable(store::Cursor& dictionary, const QString& dictionaryFolder);

} // namespace exchange
