#include "exchange/wordexport.h"

#include "core/cp1250linewriter.h"
#include "core/filereplace.h"
#include "exchange/exporttemplate.h"
#include "exchange/foreigncolumn.h"
#include "exchange/viewrowwriter.h"
#include "store/cursor.h"

#include <charconv>
#include <cstring>
#include <iterator>

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

// The positions of the exported fields in the dictionary's records.
struct EntryFields {
    explicit EntryFields(const store::TableSchema& schema)
        : czech(schema.fieldIndex(u"Czech"))
        , other(schema.fieldIndex(u"Other"))
        , lesson(schema.fieldIndex(u"Lekce"))
        , description(schema.fieldIndex(u"Popis"))
        , right(schema.fieldIndex(u"Dobre"))
        , wrong(schema.fieldIndex(u"Spatne"))
        , czechTest(schema.fieldIndex(u"Czechzk"))
        , otherTest(schema.fieldIndex(u"Otherzk")) {}

    int czech, other, lesson, description, right, wrong, czechTest, otherTest;
};

QString heading(const HtmlExportSettings& settings, const QString& text) {
    return u"<B><font color=\""_s + settings.colTitle + u"\">"_s + text + u"</FONT></B></TD>"_s;
}

constexpr qsizetype kBlockSize = 1 << 16; // bytes written to the file at once

// Writes the lines as Windows-1250 into the replaced file, in large blocks; walk gets a
// function that writes text of one or more lines (joined by CR LF). The lines that lost a
// character are counted (by the first line of the text).
template <typename Walk> ExportResult writeExport(const QString& path, Walk walk) {
    ExportResult result;
    core::replaceFile(path, [&](QIODevice& file) {
        core::Cp1250LineWriter writer(file);
        QByteArray block;
        int lineNumber = 0;
        result.entries = walk([&](const QString& text, int lines = 1) {
            const qsizetype lostBefore = result.unencodable.size();
            core::appendCp1250(text, block, result.unencodable);
            block += "\r\n";
            if (result.unencodable.size() != lostBefore)
                result.linesWithUnencodable.append(lineNumber + 1);
            lineNumber += lines;
            if (block.size() >= kBlockSize) {
                writer.writeBytes(block);
                block.resize(0);
            }
        });
        writer.writeBytes(block);
    });
    return result;
}

// The description in one column, from start to the end of the line: TAB and CR become "*",
// LF goes, and one "*" at each end goes, so a description ending in a line break does not end
// in "*". The characters it changes are ASCII, which keep their bytes in every code page.
void toDescriptionColumn(QByteArray& line, qsizetype start) {
    char* const first = line.data() + start;
    char* kept = first;
    for (const char* next = first; next != line.constData() + line.size(); ++next) {
        if (*next != '\n')
            *kept++ = *next == '\t' || *next == '\r' ? '*' : *next;
    }
    qsizetype size = kept - first;
    if (size > 0 && *first == '*')
        std::memmove(first, first + 1, static_cast<size_t>(--size));
    if (size > 0 && first[size - 1] == '*')
        --size;
    line.truncate(start + size);
}

} // namespace

ExportResult exportHtml(store::Cursor& dictionary, const QStringList& templateLines,
                        const HtmlExportHeadings& headings, const QString& outputPath,
                        const Progress& progress) {
    const ExportTemplate parsed = parseExportTemplate(templateLines);
    const HtmlExportSettings& settings = parsed.settings;
    const EntryFields fields(dictionary.schema());
    const bool otherFirst =
        dictionary.indexName() == u"othertoczech" || dictionary.indexName() == u"lessonotherczech";
    // A row's four lines, built in one text that keeps its room from row to row.
    QString rowLines;
    const auto appendCell = [&](const store::StoredRow& row, bool other) {
        if (other)
            appendHtmlCell(rowLines, row.text(fields.other), settings.maxOther,
                           settings.newlineOther, &settings.special);
        else
            appendHtmlCell(rowLines, row.text(fields.czech), settings.maxCz, settings.newlineCz,
                           nullptr);
    };
    const QString& firstHeading = otherFirst ? headings.otherLanguage : headings.czechLanguage;
    const QString& secondHeading = otherFirst ? headings.czechLanguage : headings.otherLanguage;

    return writeExport(outputPath, [&](const auto& write) {
        for (const QString& line : parsed.head)
            write(line);
        write(u"<B>Lekce: "_s + headings.lessonText + u"</B><P>"_s);
        write(settings.border ? u"<TABLE WIDTH=\"100%\" BORDER>"_s : u"<TABLE WIDTH=\"100%\">"_s);
        write(u"<TR><TD WIDTH="_s + settings.col1 + u'>');
        write(heading(settings, firstHeading));
        write(u"<TD WIDTH="_s + settings.col2 + u'>');
        write(heading(settings, secondHeading));
        write(u"<TD WIDTH="_s + settings.col3 + u'>');
        write(u"<B><font color=\""_s + settings.colTitle + u"\">Lekce</FONT></B></TD></TR>"_s);
        const int entries = writeViewRows(dictionary, {fields.czech, fields.other, fields.lesson},
                                          progress, [&](std::span<const store::StoredRow> rows) {
                                              for (const store::StoredRow& row : rows) {
                                                  rowLines.resize(0);
                                                  rowLines += u"<TR><TD>\r\n";
                                                  appendCell(row, otherFirst);
                                                  rowLines += u"</TD>\r\n<TD>";
                                                  appendCell(row, !otherFirst);
                                                  rowLines += u"</TD>\r\n<TD>";
                                                  rowLines += QString::number(
                                                      row.number(fields.lesson).value_or(0));
                                                  rowLines += u"</TD></TR>";
                                                  write(rowLines, 4);
                                              }
                                          });
        write(u"</TABLE>"_s);
        for (const QString& line : parsed.tail)
            write(line);
        return entries;
    });
}

ExportResult exportTxt(store::Cursor& dictionary, const QString& outputPath,
                       const Progress& progress, const core::CodePage& foreignCodePage) {
    const EntryFields fields(dictionary.schema());
    const core::CodePage& czechCodePage = core::CodePage::windows1250();
    ExportResult result;
    result.codePage = foreignCodePage.number();
    // As the foreign column's own code page loses them, ahead of the Windows-1250 columns'.
    QList<char32_t> foreignLost;
    QList<char32_t> czechLost;
    QList<char32_t>& otherLost = foreignCodePage.isWindows1250() ? czechLost : foreignLost;
    core::replaceFile(outputPath, [&](QIODevice& file) {
        core::Cp1250LineWriter writer(file);
        QByteArray block; // lines go out in large blocks
        int lineNumber = 0;
        const auto text = [&](const store::StoredRow& row, int field,
                              const core::CodePage& codePage, QList<char32_t>& lost) {
            codePage.appendUtf8(row.utf8(field), block, lost);
            block.append('\t');
        };
        const auto number = [&](std::optional<qint64> value) {
            if (value) {
                char digits[24];
                block.append(digits, std::to_chars(digits, std::end(digits), *value).ptr - digits);
            }
            block.append('\t');
        };
        const auto writeRow = [&](const store::StoredRow& row) {
            const qsizetype lostBefore = foreignLost.size() + czechLost.size();
            text(row, fields.czech, czechCodePage, czechLost);
            text(row, fields.other, foreignCodePage, otherLost);
            number(row.number(fields.lesson));
            const qsizetype description = block.size();
            text(row, fields.description, czechCodePage, czechLost);
            block.chop(1);
            toDescriptionColumn(block, description);
            block.append('\t');
            number(row.number(fields.right));
            number(row.number(fields.wrong));
            text(row, fields.czechTest, czechCodePage, czechLost);
            text(row, fields.otherTest, foreignCodePage, otherLost);
            block.chop(1);
            block.append("\r\n");
            ++lineNumber;
            if (foreignLost.size() + czechLost.size() != lostBefore)
                result.linesWithUnencodable.append(lineNumber);
            if (block.size() >= kBlockSize) {
                writer.writeBytes(block);
                block.resize(0);
            }
        };
        result.entries =
            writeViewRows(dictionary,
                          {fields.czech, fields.other, fields.lesson, fields.description,
                           fields.right, fields.wrong, fields.czechTest, fields.otherTest},
                          progress, [&](std::span<const store::StoredRow> rows) {
                              for (const store::StoredRow& row : rows)
                                  writeRow(row);
                          });
        writer.writeBytes(block);
    });
    result.unencodable = foreignLost + czechLost;
    return result;
}

} // namespace exchange
