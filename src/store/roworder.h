#pragma once

#include "store/tableschema.h"

#include <QString>
#include <QVariant>

#include <optional>
#include <string>
#include <vector>

namespace store {

class Database;
class Query;

// One value of a sort key, ready to be compared with a stored row exactly as the
// index compares: texts by the Czech collation (dates and times by their bytes),
// integers as numbers, an empty value before every other.
struct KeyValue {
    bool isNull = true;
    bool isText = false;
    bool czech = false;
    qint64 integer = 0;
    std::string text; // UTF-8
};

// The records of a cursor's view in their order, as a vector of row ids: built with one
// ordered scan of an index, searched by binary search with the index's own comparator,
// so that a position, a record number and a nearest search cost a few point reads.
class RowOrder {
public:
    RowOrder(Database& db, const TableSchema& schema);

    // The sort fields (field indexes) and the SQL condition of the view ("" for all) with
    // the fields it reads.
    void setOrder(std::vector<int> fields);
    void setCondition(QString sqlCondition, std::vector<int> conditionFields = {},
                      QVariant linkValue = {}, int linkField = -1);
    const std::vector<int>& orderFields() const { return m_orderFields; }

    std::vector<qint64> materialise() const;
    // The statement that reads these columns of the view's records in its order, and the
    // binding of its master's link value.
    QString orderedSelect(const QString& columns) const;
    // The same in the order the table keeps its records (by row id), whatever the sort fields.
    QString storedOrderSelect(const QString& columns) const;
    void bindCondition(Query& query) const;

    // The view position at which the given (possibly partial) key would stand: the first
    // row whose key is not less than it.
    size_t lowerBound(const std::vector<qint64>& rows, const std::vector<KeyValue>& key) const;
    // The position of the row with this id in a view that does not hold it yet.
    size_t insertionPoint(const std::vector<qint64>& rows, qint64 rowId) const;
    // Whether the row is in the view (passes its condition).
    bool matches(qint64 rowId) const;
    // Compares the key with the row's leading fields: <0, 0 or >0.
    int compareWithRow(const std::vector<KeyValue>& key, qint64 rowId) const;

    KeyValue keyValue(int field, const QVariant& value) const;
    std::vector<KeyValue> rowKey(qint64 rowId) const; // every order field, then the id

private:
    QString where() const;
    QString orderBy() const;
    std::vector<qint64> orderedRows(const QString& where) const;
    std::optional<std::vector<qint64>> matchingRowsInIndexOrder() const;
    int compareWithRow(const std::vector<KeyValue>& key, qint64 rowId, Query& row) const;

    Database& m_db;
    const TableSchema& m_schema;
    std::vector<int> m_orderFields;
    QString m_condition;
    std::vector<int> m_conditionFields;
    QVariant m_linkValue;
    int m_linkField = -1;
    QString m_keySql; // reads the order fields and the id of one row
};

} // namespace store
