#pragma once

#include "store/tableschema.h"

#include <QHash>
#include <QString>

#include <vector>

namespace store {

// A field or table name as SQL writes it.
QString quotedName(const QString& name);

// The statements that read and write whole records of one table, written once per table
// so that a walk over many records does not compose them again for each.
class RecordSql {
public:
    explicit RecordSql(const TableSchema& schema);

    const QString& columns() const { return m_columns; } // every field, in order
    // The fields in reads (by index), then the row id: a walk that reads a few fields keeps
    // the engine from decoding the others.
    QString columnsReading(const std::vector<int>& reads) const;
    const QString& selectRow() const { return m_selectRow; } // every field, by row id
    const QString& insertRow() const { return m_insertRow; } // every field but the automatic one
    const QString& deleteRow() const { return m_deleteRow; }
    // Sets the changed fields, then the row id as the last parameter.
    const QString& updateRow(const std::vector<bool>& changed);

private:
    const TableSchema& m_schema;
    QString m_columns;
    QString m_selectRow;
    QString m_insertRow;
    QString m_deleteRow;
    QHash<quint64, QString> m_updateRow;
};

} // namespace store
