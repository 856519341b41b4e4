#include "exchange/kvtmlwriter.h"

#include "core/filereplace.h"
#include "exchange/viewrowwriter.h"
#include "store/cursor.h"

#include <QXmlStreamWriter>

#include <map>
#include <vector>

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

// The entries of each lesson by number.
using LessonEntries = std::map<qint64, std::vector<int>>;

// Up to this number every lesson gets its container, empty or not, so that the containers'
// order gives the numbers back; a stray higher number only gets the one it uses.
constexpr qint64 kLessonsInOrder = 1000;

void writeIdentifier(QXmlStreamWriter& xml, int id, const QString& name, const QString& locale) {
    xml.writeStartElement(u"identifier"_s);
    xml.writeAttribute(u"id"_s, QString::number(id));
    xml.writeTextElement(u"name"_s, name);
    xml.writeTextElement(u"locale"_s, locale);
    xml.writeEndElement();
}

void writeGrade(QXmlStreamWriter& xml, qint64 right, qint64 wrong) {
    if (right <= 0 && wrong <= 0)
        return;
    xml.writeStartElement(u"grade"_s);
    xml.writeTextElement(u"count"_s, QString::number(std::max<qint64>(right, 0) + wrong));
    xml.writeTextElement(u"errorcount"_s, QString::number(std::max<qint64>(wrong, 0)));
    xml.writeEndElement();
}

void writeLessons(QXmlStreamWriter& xml, LessonEntries& lessons) {
    if (!lessons.empty()) {
        for (qint64 lesson = 1; lesson < std::min(lessons.rbegin()->first, kLessonsInOrder);
             ++lesson)
            lessons.try_emplace(lesson);
    }
    xml.writeStartElement(u"lessons"_s);
    for (const auto& [lesson, ids] : lessons) {
        xml.writeStartElement(u"container"_s);
        xml.writeTextElement(u"name"_s, u"Lekce "_s + QString::number(lesson));
        xml.writeTextElement(u"inpractice"_s, u"true"_s);
        for (const int id : ids) {
            xml.writeEmptyElement(u"entry"_s);
            xml.writeAttribute(u"id"_s, QString::number(id));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

} // namespace

ExportResult exportKvtml(store::Cursor& dictionary, const KvtmlNames& names,
                         const QString& outputPath, const Progress& progress) {
    const store::TableSchema& schema = dictionary.schema();
    const int czech = schema.fieldIndex(u"Czech"), other = schema.fieldIndex(u"Other"),
              lesson = schema.fieldIndex(u"Lekce"), description = schema.fieldIndex(u"Popis"),
              right = schema.fieldIndex(u"Dobre"), wrong = schema.fieldIndex(u"Spatne");
    ExportResult result;
    // Written to text and encoded once. KWordQuiz and Parley tell a kvtml file by its first
    // lines: the declaration, the document type and the root each start a line. The entries
    // go one to a line, without indentation, which would take the writer as long again.
    QString text = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC "
                   "\"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"_s;
    {
        QXmlStreamWriter xml(&text);
        xml.writeStartElement(u"kvtml"_s);
        xml.writeAttribute(u"version"_s, u"2.0"_s);
        xml.writeStartElement(u"information"_s);
        xml.writeTextElement(u"generator"_s, u"Lexiton"_s);
        xml.writeTextElement(u"title"_s, names.title);
        xml.writeEndElement();
        xml.writeStartElement(u"identifiers"_s);
        writeIdentifier(xml, 0, names.otherLanguage, {});
        writeIdentifier(xml, 1, u"Česky"_s, u"cs"_s);
        xml.writeEndElement();

        LessonEntries lessons;
        xml.writeStartElement(u"entries"_s);
        int id = 0;
        const auto writeEntry = [&](const store::StoredRow& row) {
            xml.writeStartElement(u"entry"_s);
            xml.writeAttribute(u"id"_s, QString::number(id));
            xml.writeStartElement(u"translation"_s);
            xml.writeAttribute(u"id"_s, u"0"_s);
            xml.writeTextElement(u"text"_s, row.text(other));
            if (const QString note = row.text(description); !note.isEmpty())
                xml.writeTextElement(u"comment"_s, note);
            writeGrade(xml, row.number(right).value_or(0), row.number(wrong).value_or(0));
            xml.writeEndElement();
            xml.writeStartElement(u"translation"_s);
            xml.writeAttribute(u"id"_s, u"1"_s);
            xml.writeTextElement(u"text"_s, row.text(czech));
            xml.writeEndElement();
            xml.writeEndElement();
            xml.writeCharacters(u"\n"_s);
            if (const qint64 number = row.number(lesson).value_or(0); number > 0)
                lessons[number].push_back(id);
            ++id;
        };
        result.entries =
            writeViewRows(dictionary, {czech, other, lesson, description, right, wrong}, progress,
                          [&](std::span<const store::StoredRow> rows) {
                              for (const store::StoredRow& row : rows)
                                  writeEntry(row);
                          });
        xml.writeEndElement();
        writeLessons(xml, lessons);
        xml.writeEndElement();
    }
    text += u'\n';
    core::replaceFile(outputPath, text.toUtf8());
    return result;
}

} // namespace exchange
