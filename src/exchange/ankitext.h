#pragma once

#include "exchange/peerentries.h"
#include "exchange/wordexport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace store {
class Cursor;
}

namespace exchange {

// A note of a "notes in plain text" file: its fields without the tags, deck, note type and
// GUID columns, reduced to text, and its tags.
struct AnkiNote {
    QStringList fields;
    QStringList tags;
    qsizetype line = 0;
};

struct AnkiContent {
    std::optional<CzechColumn> czech; // when "#columns:" names a Czech column among the first two
    std::vector<AnkiNote> notes;
};

// Reads the notes Anki and Mnemosyne export as text: UTF-8, the header lines "#separator:",
// "#html:", "#columns:", "#tags column:" (and the deck, note type and GUID columns, which are
// left out), then one note per record, a field in double quotes possibly holding separators
// and line breaks. With "#html:true" the fields are HTML reduced to text (scripts dropped).
// A file that is not UTF-8, or whose quoted field never ends, raises core::FileError naming
// the line.
AnkiContent readAnkiText(const QByteArray& bytes);
AnkiContent readAnkiTextFile(const QString& path);

// The entries of the notes: the first two fields as the expressions, the third as the
// description, the first tag ending in a number as the lesson.
PeerEntries ankiEntries(const AnkiContent& content, CzechColumn czech);

// The entries of the cursor's view as such a file, which Anki imports as it is: foreign,
// Czech, description, and the tag "Lekce_N" of a lesson other than 0.
ExportResult exportAnkiText(store::Cursor& dictionary, const QString& otherLanguage,
                            const QString& outputPath, const Progress& progress = {});

} // namespace exchange
