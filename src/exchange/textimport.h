#pragma once

#include "exchange/entryimporter.h"

#include <QString>
#include <QStringList>

namespace store {
class Cursor;
}

namespace exchange {

// Line pairs: a Czech line, then its foreign line; a missing last foreign line is empty.
// Pairs with an empty expression are skipped. Entries go to lesson 0.
ImportCount importLinePairs(store::Cursor& dictionary, const QStringList& lines,
                            const Progress& progress = {});

// One entry per line: Czech TAB foreign TAB lesson TAB description, lesson and description
// optional, the first line possibly the "###REPLACE_OTHER###=" directive for the foreign
// expressions. Lines without the second TAB or with an empty expression are skipped.
ImportCount importTabSeparated(store::Cursor& dictionary, const QStringList& lines,
                               const Progress& progress = {});

} // namespace exchange
