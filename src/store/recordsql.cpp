#include "store/recordsql.h"

#include <QStringList>

namespace store {

QString quotedName(const QString& name) {
    return u'"' + name + u'"';
}

RecordSql::RecordSql(const TableSchema& schema)
    : m_schema(schema) {
    QStringList all;
    QStringList written;
    QStringList parameters;
    for (const FieldDef& def : schema.fields) {
        all << quotedName(def.name);
        if (def.type != FieldType::AutoIncrement) {
            written << quotedName(def.name);
            parameters << QStringLiteral("?");
        }
    }
    const QString byId = quotedName(schema.rowIdColumn) + QStringLiteral(" = ?");
    m_columns = all.join(u", ");
    m_selectRow = QStringLiteral("SELECT %1 FROM records WHERE %2").arg(m_columns, byId);
    m_insertRow = QStringLiteral("INSERT INTO records (%1) VALUES (%2)")
                      .arg(written.join(u", "), parameters.join(u", "));
    m_deleteRow = QStringLiteral("DELETE FROM records WHERE %1").arg(byId);
}

QString RecordSql::columnsReading(const std::vector<int>& reads) const {
    QStringList columns;
    for (const int field : reads)
        columns << quotedName(m_schema.fields.at(static_cast<size_t>(field)).name);
    columns << quotedName(m_schema.rowIdColumn);
    return columns.join(u", ");
}

const QString& RecordSql::updateRow(const std::vector<bool>& changed) {
    quint64 key = 0;
    for (size_t i = 0; i < changed.size(); ++i) {
        if (changed[i])
            key |= quint64(1) << i;
    }
    QString& sql = m_updateRow[key];
    if (sql.isEmpty()) {
        QStringList assignments;
        for (size_t i = 0; i < changed.size(); ++i) {
            if (changed[i])
                assignments << quotedName(m_schema.fields[i].name) + QStringLiteral(" = ?");
        }
        sql = QStringLiteral("UPDATE records SET %1 WHERE %2 = ?")
                  .arg(assignments.join(u", "), quotedName(m_schema.rowIdColumn));
    }
    return sql;
}

} // namespace store
