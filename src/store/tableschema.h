#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct sqlite3;

namespace store {

enum class FieldType { Text, Integer, Memo, Date, Time, AutoIncrement };

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0; // characters, for text fields
};

// A named order of the records; the empty name is the primary key (no fields: the order
// of insertion, for a table without a key).
struct IndexDef {
    QString name;
    QStringList fields;
};

// What a table file holds, read from the file itself: every table file keeps its records
// in the table "records", its named indexes in "lexiton_indexes" and its kind and schema
// version in "lexiton_meta" and the user_version pragma.
struct TableSchema {
    QString kind; // "dictonary", "user", "exam", ...
    int version = 0;
    std::vector<FieldDef> fields; // in field order, without the hidden row id
    QString rowIdColumn;          // "_id", or the auto-increment field that is the row id
    std::vector<IndexDef> indexes;

    // Reads and checks the schema of an open file; raises store::Error when the file is
    // not a table of this program or comes from a newer version.
    static TableSchema read(sqlite3* db, const QString& path);

    // Field and index names are looked up without regard to case; -1 / nullptr if absent.
    int fieldIndex(QStringView name) const;
    const IndexDef* findIndex(QStringView name) const;
};

inline constexpr int kApplicationId = 0x4C78746E; // "Lxtn"

} // namespace store
