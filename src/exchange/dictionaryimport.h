#pragma once

#include "exchange/entryimporter.h"

#include <QString>

#include <optional>

namespace store {
class Cursor;
}

namespace exchange {

// What to take from the other dictionary.
struct DictionaryImportChoice {
    // The chosen file (a dictonary.db) or the folder holding it.
    QString source;
    // Only this lesson; nothing means every lesson.
    std::optional<int> lesson;
    // Copy the counts of right and wrong answers too; otherwise they start at 0.
    bool withStatistics = false;
};

// The lesson chosen at position k of the lesson list ("vše", "0", "1", ...): all for 0,
// lesson k - 1 otherwise.
std::optional<int> lessonAtListPosition(int position);

// Adds the entries of another dictionary: Czech, foreign expression, lesson and description,
// and with statistics the counts. The test words are derived anew by the target's hook.
// Raises store::Error when the source cannot be opened or is not a dictionary.
ImportCount importDictionary(store::Cursor& dictionary, const DictionaryImportChoice& choice,
                             const Progress& progress = {});

} // namespace exchange
