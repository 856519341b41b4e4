#include "exchange/dictionaryimport.h"

#include "exchange/importbatch.h"
#include "store/cursor.h"
#include "store/error.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

const QString kDictionaryFile = u"dictonary.db"_s;
constexpr int kReadChunk = 2048;

void openSource(store::Cursor& source, const QString& path) {
    const QFileInfo chosen(path);
    if (chosen.isDir()) {
        source.setDatabaseName(chosen.absoluteFilePath());
        source.setTableName(kDictionaryFile);
    } else {
        source.setDatabaseName(chosen.absolutePath());
        source.setTableName(chosen.fileName());
    }
    if (!QFileInfo::exists(QDir(source.databaseName()).filePath(source.tableName())))
        throw store::Error(u"Soubor %1 neexistuje."_s.arg(
            QDir::toNativeSeparators(QDir(source.databaseName()).filePath(source.tableName()))));
    source.open();
    if (source.schema().kind != u"dictonary")
        throw store::Error(u"Tabulka %1 není slovník."_s.arg(source.tableName()));
}

// How many entries the choice takes from the source, before any is refused.
int chosenEntries(const store::Cursor& source, const DictionaryImportChoice& choice) {
    store::Cursor chosen;
    chosen.setDatabaseName(source.databaseName());
    chosen.setTableName(source.tableName());
    chosen.open();
    if (choice.lesson) {
        chosen.setFilter(u"Lekce = %1"_s.arg(*choice.lesson));
        chosen.setFiltered(true);
    }
    return chosen.recordCount();
}

} // namespace

std::optional<int> lessonAtListPosition(int position) {
    return position <= 0 ? std::nullopt : std::optional<int>(position - 1);
}

ImportCount importDictionary(store::Cursor& dictionary, const DictionaryImportChoice& choice,
                             const Progress& progress) {
    store::Cursor source;
    openSource(source, choice.source);
    const store::TableSchema& schema = source.schema();
    const int czech = schema.fieldIndex(u"Czech");
    const int other = schema.fieldIndex(u"Other");
    const int lesson = schema.fieldIndex(u"Lekce");
    const int description = schema.fieldIndex(u"Popis");
    const int right = schema.fieldIndex(u"Dobre");
    const int wrong = schema.fieldIndex(u"Spatne");
    // A file that calls itself a dictionary may still lack a dictionary's fields.
    if (std::min({czech, other, lesson, description, right, wrong}) < 0)
        throw store::Error(u"Tabulka %1 není slovník."_s.arg(source.tableName()));

    const int total = source.recordCount();
    const int chosen = chosenEntries(source, choice);
    EntryImporter importer(dictionary, chosen);
    ImportBatch batch(dictionary, importer.storedEntries(), chosen);
    for (int first = 1; first <= total; first += kReadChunk) {
        int recNo = first;
        for (const QVariantList& row : source.readRows(first, kReadChunk)) {
            const qint32 rowLesson = row[lesson].toInt();
            if (!choice.lesson || rowLesson == *choice.lesson) {
                NewEntry entry{row[czech].toString(), row[other].toString(), rowLesson,
                               row[description].toString()};
                if (choice.withStatistics) {
                    entry.right = row[right].toInt();
                    entry.wrong = row[wrong].toInt();
                }
                importer.add(entry, {u"záznam", recNo});
            }
            if (progress)
                progress(recNo, total);
            ++recNo;
        }
    }
    batch.finish(progress, total);
    return importer.count();
}

} // namespace exchange
