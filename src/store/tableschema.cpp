#include "store/tableschema.h"

#include "store/error.h"
#include "store/tablekinds.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

#include <memory>

namespace store {
namespace {

// Runs a query of the schema tables and hands each row to the reader.
// The statement is finalized however the reading ends (a reader may refuse a row), since a
// connection with a statement left cannot be closed and would keep the file open.
template <typename RowReader> void readRows(sqlite3* db, const char* sql, RowReader&& reader) {
    sqlite3_stmt* stmt = nullptr;
    if (const int code = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr); code != SQLITE_OK)
        throw engineError(db, code, connectionPath(db));
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> finalized(stmt,
                                                                               &sqlite3_finalize);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        reader(stmt);
    if (rc != SQLITE_DONE)
        throw engineError(db, rc, connectionPath(db));
}

QString columnText(sqlite3_stmt* stmt, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
}

int pragmaInt(sqlite3* db, const char* sql) {
    int value = 0;
    readRows(db, sql, [&](sqlite3_stmt* stmt) { value = sqlite3_column_int(stmt, 0); });
    return value;
}

FieldDef fieldFromDeclaration(const QString& name, const QString& declaredType, bool rowId) {
    static const QRegularExpression text(QStringLiteral("^VARCHAR\\((\\d+)\\)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString type = declaredType.trimmed().toUpper();
    if (rowId)
        return {name, FieldType::AutoIncrement, 0};
    if (const auto match = text.match(type); match.hasMatch())
        return {name, FieldType::Text, match.captured(1).toInt()};
    if (type == u"INTEGER")
        return {name, FieldType::Integer, 0};
    if (type == u"TEXT")
        return {name, FieldType::Memo, 0};
    if (type == u"DATE")
        return {name, FieldType::Date, 0};
    if (type == u"TIME")
        return {name, FieldType::Time, 0};
    throw Error(QStringLiteral("Pole %1 má neznámý typ %2.").arg(name, declaredType));
}

} // namespace

TableSchema TableSchema::read(sqlite3* db, const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    const auto notOurs = [&] {
        return Error(QStringLiteral("Soubor %1 není tabulkou programu Lexiton.").arg(fileName));
    };
    if (pragmaInt(db, "PRAGMA application_id") != kApplicationId)
        throw notOurs();

    TableSchema schema;
    schema.version = pragmaInt(db, "PRAGMA user_version");
    readRows(db, "SELECT value FROM lexiton_meta WHERE key = 'table'",
             [&](sqlite3_stmt* stmt) { schema.kind = columnText(stmt, 0); });
    const TableKind* kind = findTableKind(schema.kind);
    if (!kind)
        throw notOurs();
    if (schema.version > kind->latestVersion())
        throw Error(QStringLiteral("Tabulku %1 vytvořila novější verze programu (verze %2).")
                        .arg(fileName)
                        .arg(schema.version));

    readRows(db, "SELECT name, type, pk FROM pragma_table_info('records') ORDER BY cid",
             [&](sqlite3_stmt* stmt) {
                 const QString name = columnText(stmt, 0);
                 const bool rowId = sqlite3_column_int(stmt, 2) == 1;
                 if (rowId)
                     schema.rowIdColumn = name;
                 if (!(rowId && name == u"_id"))
                     schema.fields.push_back(
                         fieldFromDeclaration(name, columnText(stmt, 1), rowId));
             });
    if (schema.rowIdColumn.isEmpty() || schema.fields.size() > 64)
        throw notOurs();

    readRows(db, "SELECT name, fields FROM lexiton_indexes ORDER BY name", [&](sqlite3_stmt* stmt) {
        const QString fieldList = columnText(stmt, 1);
        schema.indexes.push_back(
            {columnText(stmt, 0), fieldList.isEmpty() ? QStringList() : fieldList.split(u';')});
    });
    for (const IndexDef& index : schema.indexes) {
        for (const QString& field : index.fields) {
            if (schema.fieldIndex(field) < 0)
                throw Error(QStringLiteral("Index %1 tabulky %2 odkazuje na neznámé pole %3.")
                                .arg(index.name, fileName, field));
        }
    }
    return schema;
}

int TableSchema::fieldIndex(QStringView name) const {
    // Code names fields as the schema spells them: that comparison is cheap and comes first.
    for (size_t i = 0; i < fields.size(); ++i) {
        if (name == fields[i].name)
            return static_cast<int>(i);
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        if (name.compare(fields[i].name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

const IndexDef* TableSchema::findIndex(QStringView name) const {
    for (const IndexDef& index : indexes) {
        if (name.compare(index.name, Qt::CaseInsensitive) == 0)
            return &index;
    }
    return nullptr;
}

} // namespace store
