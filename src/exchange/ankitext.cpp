#include "exchange/ankitext.h"

#include "core/fileerror.h"
#include "core/filereplace.h"
#include "exchange/htmltext.h"
#include "exchange/utf8check.h"
#include "exchange/viewrowwriter.h"
#include "store/cursor.h"

#include <QFile>
#include <QRegularExpression>

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

struct Header {
    QChar separator = u'\t';
    bool html = false;
    QStringList columns;
    QList<int> dropped; // the 0-based columns that are not fields
    int tagsColumn = -1;
};

QChar separatorOf(const QString& value) {
    static const std::pair<QStringView, QChar> kNames[] = {{u"tab", u'\t'},      {u"comma", u','},
                                                           {u"semicolon", u';'}, {u"space", u' '},
                                                           {u"pipe", u'|'},      {u"colon", u':'}};
    for (const auto& [name, character] : kNames) {
        if (value.compare(name, Qt::CaseInsensitive) == 0)
            return character;
    }
    return value.size() == 1 ? value[0] : QChar(u'\t');
}

// "#key:value" lines at the start of the file; answers where the notes start.
qsizetype readHeader(const QString& text, Header& header, qsizetype& line) {
    qsizetype at = 0;
    QString columns;
    while (at < text.size() && text[at] == u'#') {
        qsizetype end = text.indexOf(u'\n', at);
        if (end < 0)
            end = text.size();
        const QString entry = text.sliced(at + 1, end - at - 1).trimmed();
        const qsizetype colon = entry.indexOf(u':');
        const QString key = entry.left(colon).trimmed().toLower();
        const QString value = colon < 0 ? QString() : entry.sliced(colon + 1).trimmed();
        if (key == u"separator")
            header.separator = separatorOf(value);
        else if (key == u"html")
            header.html = value.compare(u"true", Qt::CaseInsensitive) == 0;
        else if (key == u"columns")
            columns = entry.sliced(colon + 1);
        else if (key.endsWith(u" column")) {
            const int column = value.toInt() - 1;
            if (column >= 0) {
                header.dropped << column;
                if (key == u"tags column")
                    header.tagsColumn = column;
            }
        }
        at = end + 1;
        ++line;
    }
    if (!columns.isNull())
        header.columns = columns.trimmed().split(header.separator);
    return at;
}

[[noreturn]] void failAt(const QString& message, qsizetype line) {
    throw core::FileError(message.arg(line));
}

QString decodeUtf8(const QByteArray& bytes) {
    if (const std::optional<qsizetype> line = firstLineNotUtf8(bytes))
        failAt(u"Soubor není v kódování UTF-8, jak ho Anki a Mnemosyne píší: chybný znak na "
               u"řádku %1."_s,
               *line);
    return QString::fromUtf8(bytes);
}

// The records of the text from at: fields split at the separator, a field opening with a
// quote running to its closing quote ("" within it is one quote).
class RecordReader {
public:
    RecordReader(const QString& text, qsizetype at, QChar separator, qsizetype line)
        : m_text(text)
        , m_at(at)
        , m_separator(separator)
        , m_line(line) {}

    bool atEnd() const { return m_at >= m_text.size(); }
    qsizetype line() const { return m_line; }

    QStringList next() {
        QStringList fields;
        QString field;
        while (m_at < m_text.size()) {
            const QChar character = m_text[m_at++];
            if (character == u'"' && field.isEmpty()) {
                field = quoted();
            } else if (character == m_separator) {
                fields << std::exchange(field, {});
            } else if (character == u'\n') {
                ++m_line;
                break;
            } else if (character != u'\r') {
                field += character;
            }
        }
        fields << field;
        return fields;
    }

private:
    QString quoted() {
        const qsizetype opened = m_line;
        QString field;
        while (m_at < m_text.size()) {
            const QChar character = m_text[m_at++];
            if (character == u'"') {
                if (m_at < m_text.size() && m_text[m_at] == u'"') {
                    field += character;
                    ++m_at;
                    continue;
                }
                return field;
            }
            if (character == u'\n')
                ++m_line;
            field += character;
        }
        failAt(u"Soubor Anki je neúplný: pole v uvozovkách z řádku %1 nekončí."_s, opened);
    }

    const QString& m_text;
    qsizetype m_at;
    QChar m_separator;
    qsizetype m_line;
};

std::optional<CzechColumn> czechByName(const QStringList& names) {
    static const QRegularExpression kCzech(u"^(česky|čeština|czech|cs)$"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    for (qsizetype i = 0; i < std::min<qsizetype>(names.size(), 2); ++i) {
        if (kCzech.match(names[i].trimmed()).hasMatch())
            return i == 0 ? CzechColumn::First : CzechColumn::Second;
    }
    return std::nullopt;
}

qint32 lessonOfTags(const QStringList& tags) {
    static const QRegularExpression kNumberAtEnd(u"(\\d+)$"_s);
    for (const QString& tag : tags) {
        const QRegularExpressionMatch match = kNumberAtEnd.match(tag);
        bool ok = false;
        const qint32 lesson = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
        if (ok)
            return lesson;
    }
    return 0;
}

QString field(const QString& text) {
    if (!text.contains(u'\t') && !text.contains(u'"') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u"\""_s, u"\"\""_s) + u'"';
}

} // namespace

AnkiContent readAnkiText(const QByteArray& bytes) {
    QString text = decodeUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    Header header;
    qsizetype line = 1;
    const qsizetype start = readHeader(text, header, line);
    QStringList names;
    for (qsizetype i = 0; i < header.columns.size(); ++i) {
        if (!header.dropped.contains(int(i)))
            names << header.columns[i];
    }
    AnkiContent content;
    content.czech = czechByName(names);
    RecordReader records(text, start, header.separator, line);
    while (!records.atEnd()) {
        AnkiNote note;
        note.line = records.line();
        const QStringList fields = records.next();
        if (fields.size() == 1 && fields[0].trimmed().isEmpty())
            continue;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i == header.tagsColumn)
                note.tags = fields[i].split(u' ', Qt::SkipEmptyParts);
            else if (!header.dropped.contains(int(i)))
                note.fields << (header.html ? htmlToText(fields[i], u"\r\n") : fields[i].trimmed());
        }
        content.notes.push_back(std::move(note));
    }
    return content;
}

AnkiContent readAnkiTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw core::FileError::cannotRead(path, file.errorString());
    return readAnkiText(file.readAll());
}

PeerEntries ankiEntries(const AnkiContent& content, CzechColumn czech) {
    const qsizetype czechIndex = czech == CzechColumn::First ? 0 : 1;
    PeerEntries read;
    read.entries.reserve(content.notes.size());
    for (const AnkiNote& note : content.notes) {
        PeerEntry peer;
        peer.line = note.line;
        // An expression is one line; the description keeps its line breaks.
        const auto expression = [&](qsizetype index) {
            return note.fields.value(index).replace(u"\r\n"_s, u" "_s);
        };
        peer.entry.czech = expression(czechIndex);
        peer.entry.other = expression(1 - czechIndex);
        peer.entry.description = note.fields.value(2);
        peer.entry.lesson = lessonOfTags(note.tags);
        if (peer.entry.czech.isEmpty() || peer.entry.other.isEmpty())
            ++read.withoutExpression;
        else
            read.entries.push_back(std::move(peer));
    }
    return read;
}

ExportResult exportAnkiText(store::Cursor& dictionary, const QString& otherLanguage,
                            const QString& outputPath, const Progress& progress) {
    const store::TableSchema& schema = dictionary.schema();
    const int czech = schema.fieldIndex(u"Czech"), other = schema.fieldIndex(u"Other"),
              lesson = schema.fieldIndex(u"Lekce"), description = schema.fieldIndex(u"Popis");
    ExportResult result;
    QString text = u"#separator:tab\n#html:true\n#columns:"_s + field(otherLanguage) +
                   u"\tČesky\tPopis\tTags\n#tags column:4\n"_s;
    result.entries = writeViewRows(
        dictionary, {czech, other, lesson, description}, progress,
        [&](std::span<const store::StoredRow> rows) {
            for (const store::StoredRow& row : rows) {
                const qint64 number = row.number(lesson).value_or(0);
                text += field(textToHtml(row.text(other))) + u'\t' +
                        field(textToHtml(row.text(czech))) + u'\t' +
                        field(textToHtml(row.text(description))) + u'\t' +
                        (number > 0 ? u"Lekce_"_s + QString::number(number) : QString()) + u'\n';
            }
        });
    core::replaceFile(outputPath, text.toUtf8());
    return result;
}

} // namespace exchange
