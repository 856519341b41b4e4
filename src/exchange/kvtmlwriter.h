#pragma once

#include "exchange/wordexport.h"

#include <QString>

namespace store {
class Cursor;
}

namespace exchange {

// The names a kvtml export gives the document and its two languages.
struct KvtmlNames {
    QString title;
    QString otherLanguage;
};

// The entries of the cursor's view as a kvtml 2 file that KWordQuiz and Parley open: the
// foreign language first, Czech (locale "cs") second, the description as the foreign
// expression's comment, right and wrong answers as its grade counts, and one lesson for each
// number from 1 to the highest, so that their order gives the numbers back; entries of lesson
// 0 belong to none. The file is replaced as a whole (UTF-8, nothing unencodable).
ExportResult exportKvtml(store::Cursor& dictionary, const KvtmlNames& names,
                         const QString& outputPath, const Progress& progress = {});

} // namespace exchange
