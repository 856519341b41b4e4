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
// raised). Attached views hear nothing until the end, and the cursor ends on the first
// record. Returns the number of records re-posted.
int regenerate(store::Cursor& dictionary, const WalkProgress& progress = {});

// What a regeneration did, in words: "Přegenerováno 6 slovíček."
QString regenerationDone(int entries);

} // namespace entry
