#pragma once

#include "exchange/entryimporter.h"

#include <vector>

namespace store {
class Cursor;
}

namespace exchange {

// An entry read from another trainer's file, with the line of the file where it starts.
struct PeerEntry {
    NewEntry entry;
    qsizetype line = 0;
};

// The entries of another trainer's file, and how many it held without a Czech or a foreign
// expression (those give no entry; the user is told how many).
struct PeerEntries {
    std::vector<PeerEntry> entries;
    int withoutExpression = 0;
};

// Which identifier or column of another trainer's file holds the Czech expressions: the
// first (the second then holds the foreign ones) or the second.
enum class CzechColumn { First, Second };

// Adds the entries through the importer in one all-or-nothing batch, as the text imports
// add their lines; a refusal names the entry's line.
ImportCount importPeerEntries(store::Cursor& dictionary, const PeerEntries& read,
                              const Progress& progress = {});

} // namespace exchange
