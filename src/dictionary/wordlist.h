#pragma once

#include <QString>
#include <QStringList>

namespace store {
class Cursor;
}

namespace dictionary {

// The four orders of the word list, named from the two language names.
QStringList sortItemTexts(const QString& czechName, const QString& otherName);
// The index of sort item 0..3; a dictionary of the old format lacks the new order names.
QString sortIndexName(int item, bool newFormat);
// Items 0 and 1 begin with a word, so the search box can look a word up in them.
bool sortItemSearchable(int item);

// The filter of a lesson item: "Lekce = 7" for "7"; empty for "vše" (all lessons).
QString lessonFilterText(const QString& lessonItem);

// What every post through the word list keeps true: empty counters become 0, an empty
// or negative lesson becomes 0.
void keepEntryInvariants(store::Cursor& dictionary);

// The per-word statistics commands on the current record.
void resetStatistics(store::Cursor& dictionary);
void markKnown(store::Cursor& dictionary);

// A word's right answers that mark it as known.
inline constexpr int kKnownWordRightAnswers = 100000;

} // namespace dictionary
