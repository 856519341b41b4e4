#include "exchange/wordexport.h"

#include "core/cp1250linewriter.h"
#include "core/filereplace.h"
#include "exchange/exporttemplate.h"
#include "exchange/foreigncolumn.h"
#include "exchange/viewrows.h"

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

// The positions of the exported fields in the dictionary's records.
struct EntryFields {
    explicit EntryFields(const store::TableSchema& schema)
        : czech(position(schema, u"Czech"))
        , other(position(schema, u"Other"))
        , lesson(position(schema, u"Lekce"))
        , description(position(schema, u"Popis"))
        , right(position(schema, u"Dobre"))
        , wrong(position(schema, u"Spatne"))
        , czechTest(position(schema, u"Czechzk"))
        , otherTest(position(schema, u"Otherzk")) {}

    static size_t position(const store::TableSchema& schema, QStringView name) {
        return static_cast<size_t>(schema.fieldIndex(name));
    }

    size_t czech, other, lesson, description, right, wrong, czechTest, otherTest;
};

QString numberColumn(std::optional<qint64> value) {
    return value ? QString::number(*value) : QString();
}

QString heading(const HtmlExportSettings& settings, const QString& text) {
    return u"<B><font color=\""_s + settings.colTitle + u"\">"_s + text + u"</FONT></B></TD>"_s;
}

// Writes the lines through a Windows-1250 writer into the replaced file; walk gets a function
// that writes one line. The lines that lost a character, in the writer or in the foreign
// column, are counted.
template <typename Walk>
ExportResult writeExport(const QString& path, Walk walk, ForeignColumn foreign = ForeignColumn()) {
    ExportResult result;
    core::replaceFile(path, [&](QIODevice& file) {
        core::Cp1250LineWriter writer(file);
        int lineNumber = 0;
        qsizetype lost = 0;
        result.entries = walk(
            [&](const QString& line) {
                writer.writeLine(line);
                ++lineNumber;
                const qsizetype lostNow =
                    writer.unencodable().size() + foreign.unencodable().size();
                if (lostNow != lost)
                    result.linesWithUnencodable.append(lineNumber);
                lost = lostNow;
            },
            foreign);
        result.unencodable = foreign.unencodable() + writer.unencodable();
    });
    return result;
}

void report(const Progress& progress, int done, int total) {
    if (progress)
        progress(done, total);
}

} // namespace

QString descriptionColumn(QString description) {
    description.replace(u'\t', u'*').replace(u'\r', u'*').remove(u'\n');
    if (description.startsWith(u'*'))
        description.remove(0, 1);
    if (description.endsWith(u'*'))
        description.chop(1);
    return description;
}

ExportResult exportHtml(store::Cursor& dictionary, const QStringList& templateLines,
                        const HtmlExportHeadings& headings, const QString& outputPath,
                        const Progress& progress) {
    const ExportTemplate parsed = parseExportTemplate(templateLines);
    const HtmlExportSettings& settings = parsed.settings;
    const EntryFields fields(dictionary.schema());
    const bool otherFirst =
        dictionary.indexName() == u"othertoczech" || dictionary.indexName() == u"lessonotherczech";
    const auto cells = [&](const store::StoredRow& row) {
        QString czech = htmlCharacterReferences(
            cellText(row.text(fields.czech), settings.maxCz, settings.newlineCz, nullptr));
        QString other = htmlCharacterReferences(cellText(row.text(fields.other), settings.maxOther,
                                                         settings.newlineOther, &settings.special));
        return otherFirst ? std::pair{other, czech} : std::pair{czech, other};
    };
    const QString& firstHeading = otherFirst ? headings.otherLanguage : headings.czechLanguage;
    const QString& secondHeading = otherFirst ? headings.czechLanguage : headings.otherLanguage;

    return writeExport(outputPath, [&](const auto& write, ForeignColumn&) {
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
        const int total = dictionary.recordCount();
        int entries = 0;
        forEachViewRow(dictionary, [&](const store::StoredRow& row, int recNo) {
            const auto [first, second] = cells(row);
            write(u"<TR><TD>"_s);
            write(first + u"</TD>"_s);
            write(u"<TD>"_s + second + u"</TD>"_s);
            write(u"<TD>"_s + QString::number(row.number(fields.lesson).value_or(0)) +
                  u"</TD></TR>"_s);
            report(progress, recNo, total);
            ++entries;
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
    ExportResult result = writeExport(
        outputPath,
        [&](const auto& write, ForeignColumn& foreign) {
            const int total = dictionary.recordCount();
            int entries = 0;
            QString line;
            forEachViewRow(dictionary, [&](const store::StoredRow& row, int recNo) {
                line.clear();
                for (const QString& column :
                     {row.text(fields.czech), foreign.toFile(row.text(fields.other)),
                      numberColumn(row.number(fields.lesson)),
                      descriptionColumn(row.text(fields.description)),
                      numberColumn(row.number(fields.right)),
                      numberColumn(row.number(fields.wrong)), row.text(fields.czechTest),
                      foreign.toFile(row.text(fields.otherTest))}) {
                    line += column;
                    line += u'\t';
                }
                line.chop(1);
                write(line);
                report(progress, recNo, total);
                ++entries;
            });
            return entries;
        },
        ForeignColumn(foreignCodePage));
    result.codePage = foreignCodePage.number();
    return result;
}

} // namespace exchange
