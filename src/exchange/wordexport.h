#pragma once

#include "core/codepage.h"
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

// What an export wrote: the entries, and the characters that the code page of their column
// cannot hold, each written as "?", with the numbers of the lines (from 1) that hold them.
struct ExportResult {
    int entries = 0;
    QList<char32_t> unencodable;
    QList<int> linesWithUnencodable;
    int codePage = 1250; // of the foreign column
};

// The entries of the cursor's view, in its order and through its filter, as an HTML page
// laid out by the template's lines. The page is Windows-1250: a character it cannot hold
// (the foreign words of a Cyrillic or Greek dictionary) is a numeric character reference. The
// foreign column comes first when the current index is "othertoczech" or "lessonotherczech". The
// file is replaced as a whole; a failed write raises core::FileError and leaves the old file.
ExportResult exportHtml(store::Cursor& dictionary, const QStringList& templateLines,
                        const HtmlExportHeadings& headings, const QString& outputPath,
                        const Progress& progress = {});

// One TAB-separated line per entry with every field: Czech, Other, Lekce, description,
// Dobre, Spatne, Czechzk, Otherzk; an empty number is an empty column.
// The foreign columns (Other, Otherzk) are in the code page of the dictionary's foreign words.
ExportResult exportTxt(store::Cursor& dictionary, const QString& outputPath,
                       const Progress& progress = {},
                       const core::CodePage& foreign = core::CodePage::windows1250());

} // namespace exchange
