#pragma once

#include <QString>
#include <QStringList>

namespace store {
class Cursor;
}

namespace entry {

// A new dictionary entry as the word entry dialog gives it.
struct NewEntry {
    QString other;
    QString czech;
    QString lesson;               // the text of the lesson list's item
    QStringList descriptionLines; // each becomes a line of the entry's description
};

// An entry is stored only with both its words; the word entry dialog, the imports and every
// post of a dictionary entry keep to it.
bool hasBothWords(const QString& czech, const QString& other);

// The lines of a description: the single-line text is one line, a multi-line text gives
// every line it has; an empty text gives none.
QStringList descriptionLines(const QString& text);

// Inserts the entry into the dictionary and posts it: Czech, Other, Lekce, the counters
// at 0 and the description lines (CR LF between them) in Popis; the dictionary's
// before-post hook derives the test words. Any failure (the pair exists already, the
// lesson is not a number, a text longer than its field) cancels the insertion and raises
// store::Error: the dictionary stays unchanged and nothing is ever cut short.
void addEntry(store::Cursor& dictionary, const NewEntry& entry);

} // namespace entry
