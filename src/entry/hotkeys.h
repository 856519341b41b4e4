#pragma once

#include "dictionary/setini.h"

#include <QString>

namespace entry {

// The texts of the word entry dialog that a function-key hot key works on.
struct EntryTexts {
    QString other;
    QString czech;
    QString description; // the single-line description

    bool operator==(const EntryTexts&) const = default;
};

// What function key F5 to F12 makes of the texts: the nine removal texts in their fixed
// order, each taking out the first occurrence of itself (case-sensitive), then the
// description, Czech and foreign texts by their modes. The description is touched only
// while it is the single-line one; the multi-line description has no hot keys.
EntryTexts applyHotKey(const dictionary::HotKeyRecord& key, EntryTexts texts,
                       bool singleLineDescription);

} // namespace entry
