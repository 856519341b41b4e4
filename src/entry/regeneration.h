#pragma once

#include <QString>

#include <functional>

namespace store {
class Cursor;
}

namespace entry {

// Told the number of records walked so far and the size of the walk.
using WalkProgress = std::function<void(int done, int total)>;

// Re-posts every record of the dictionary unchanged, so that its before-post hook derives
// the test words again by the rules in force. The walk sees the whole table: the filter is
// switched off for it and put back afterwards, also when a post fails (the failure is
// raised, and the dictionary stays as it was: the walk is one unit). Attached views hear
// nothing until the end, and the cursor ends on the first record. Returns the number of
// records re-posted.
//
// Besides the progress after each record, stillBusy is called now and then while the table
// reads or builds a whole index at once; it must not use any table.
int regenerate(store::Cursor& dictionary, const WalkProgress& progress = {},
               const std::function<void()>& stillBusy = {});

// What a regeneration did, in words: "Přegenerováno 6 slovíček."
QString regenerationDone(int entries);

} // namespace entry
