#pragma once

#include "exchange/dictionarycursor.h"
#include "exchange/entryimporter.h"

namespace core {
class Messages;
}

namespace store {
class Cursor;
}

namespace exchange {

// Gives entries of lesson 0 the lesson of a neighbour with exactly the same foreign
// expression, in the order by foreign expression then Czech over the whole dictionary: the
// record before (as the walk has left it) wins, else the record after; a neighbour in lesson
// 0 gives nothing. The first record is never looked at. Because only neighbours count, a run
// of equal expressions may need several runs. Returns the number of entries changed.
int findLessonsOfLessonZero(store::Cursor& dictionary, const Progress& progress = {});

// The command "Nalézt lekci slovíčka pokud je v lekci 0": the check for an open dictionary,
// the confirmation, the step before the change, the walk and its message. Answers whether it
// ran to its end.
bool runFindLessonsOfLessonZero(store::Cursor& dictionary, core::Messages& messages,
                                const Progress& progress = {},
                                const BeforeChange& beforeChange = {});

} // namespace exchange
