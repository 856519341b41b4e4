#pragma once

#include "store/tableschema.h"

#include <QString>

#include <vector>

namespace store {

// A filter text turned into an SQL condition. The language: integer fields (names
// without regard to case), integers, the comparisons = <> < > <= >=, "and", and
// parentheses, e.g. "((Lekce >= 1)and(Lekce <= 5))". Anything else is refused.
struct CompiledFilter {
    QString sqlCondition;          // empty for an empty filter text
    std::vector<int> fieldIndexes; // the fields the condition reads
};

// Raises store::Error with a Czech message naming the fault and its position.
CompiledFilter compileFilter(const QString& text, const TableSchema& schema);

} // namespace store
