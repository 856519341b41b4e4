#pragma once

#include "exchange/entryimporter.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace store {
class Cursor;
}

namespace exchange {

// What the HTML export prints beside the entries.
struct HtmlExportHeadings {
    QString lessonText;    // the lesson list's text: "vše", "7", ...
    QString czechLanguage; // heading of the Czech column
    QString otherLanguage; // heading of the foreign column
};

// What an export wrote: the entries, and the characters that Windows-1250 cannot hold, each
// written as "?".
struct ExportResult {
    int entries = 0;
    QList<char32_t> unencodable;
};

// The entries of the cursor's view, in its order and through its filter, as an HTML page
// laid out by the template's lines. The foreign column comes first when the current index
// is "othertoczech" or "lessonotherczech". The file is replaced as a whole; a failed write
// raises core::FileError and leaves the old file.
ExportResult exportHtml(store::Cursor& dictionary, const QStringList& templateLines,
                        const HtmlExportHeadings& headings, const QString& outputPath,
                        const Progress& progress = {});

// One TAB-separated line per entry with every field: Czech, Other, Lekce, description,
// Dobre, Spatne, Czechzk, Otherzk; an empty number is an empty column.
ExportResult exportTxt(store::Cursor& dictionary, const QString& outputPath,
                       const Progress& progress = {});

// The description in one column: TAB and CR become "*", LF goes, and one "*" at each end
// goes, so a description ending in a line break does not end in "*".
QString descriptionColumn(QString description);

} // namespace exchange
