#include "store/roworder.h"

#include "store/czechcollation.h"
#include "store/database.h"
#include "store/error.h"
#include "store/query.h"
#include "store/recordsql.h"

#include <QDate>
#include <QStringList>
#include <QTime>

namespace store {
namespace {

int compareValue(const KeyValue& key, const Query& row, int column) {
    const bool rowNull = row.isNull(column);
    if (key.isNull || rowNull)
        return key.isNull == rowNull ? 0 : key.isNull ? -1 : 1;
    if (!key.isText) {
        const qint64 stored = row.int64(column);
        return key.integer < stored ? -1 : key.integer > stored ? 1 : 0;
    }
    const std::string_view stored = row.utf8(column);
    if (key.czech)
        return compareCzech(key.text, stored);
    const int c = std::string_view(key.text).compare(stored);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

} // namespace

RowOrder::RowOrder(Database& db, const TableSchema& schema)
    : m_db(db)
    , m_schema(schema) {
    setOrder({});
}

void RowOrder::setOrder(std::vector<int> fields) {
    m_orderFields = std::move(fields);
    QStringList columns;
    for (int field : m_orderFields)
        columns << quotedName(m_schema.fields[static_cast<size_t>(field)].name);
    columns << quotedName(m_schema.rowIdColumn);
    m_keySql = QStringLiteral("SELECT %1 FROM records WHERE %2 = ?")
                   .arg(columns.join(u", "), quotedName(m_schema.rowIdColumn));
}

void RowOrder::setCondition(QString sqlCondition, QVariant linkValue, int linkField) {
    m_condition = std::move(sqlCondition);
    m_linkValue = std::move(linkValue);
    m_linkField = linkField;
}

QString RowOrder::where() const {
    QStringList parts;
    if (!m_condition.isEmpty())
        parts << u'(' + m_condition + u')';
    if (m_linkField >= 0)
        parts << quotedName(m_schema.fields[static_cast<size_t>(m_linkField)].name) +
                     QStringLiteral(" = ?1");
    return parts.isEmpty() ? QString() : QStringLiteral(" WHERE ") + parts.join(u" AND ");
}

std::vector<qint64> RowOrder::materialise() const {
    QStringList order;
    for (int field : m_orderFields)
        order << quotedName(m_schema.fields[static_cast<size_t>(field)].name);
    order << quotedName(m_schema.rowIdColumn);
    Query query(m_db, QStringLiteral("SELECT %1 FROM records%2 ORDER BY %3")
                          .arg(quotedName(m_schema.rowIdColumn), where(), order.join(u", ")));
    if (m_linkField >= 0)
        query.bind(1, m_linkValue);
    std::vector<qint64> rows;
    while (query.next())
        rows.push_back(query.int64(0));
    return rows;
}

bool RowOrder::matches(qint64 rowId) const {
    const QString condition = where();
    Query query(m_db, QStringLiteral("SELECT 1 FROM records%1%2 %3 = ?2")
                          .arg(condition, condition.isEmpty() ? u" WHERE" : u" AND",
                               quotedName(m_schema.rowIdColumn)));
    if (m_linkField >= 0)
        query.bind(1, m_linkValue);
    query.bind(2, rowId);
    return query.next();
}

int RowOrder::compareWithRow(const std::vector<KeyValue>& key, qint64 rowId) const {
    Query row(m_db, m_keySql);
    return compareWithRow(key, rowId, row);
}

int RowOrder::compareWithRow(const std::vector<KeyValue>& key, qint64 rowId, Query& row) const {
    row.reset();
    row.bind(1, rowId);
    if (!row.next())
        throw Error(QStringLiteral("Záznam tabulky mezitím zmizel."));
    for (size_t i = 0; i < key.size(); ++i) {
        if (const int c = compareValue(key[i], row, static_cast<int>(i)))
            return c;
    }
    return 0;
}

size_t RowOrder::lowerBound(const std::vector<qint64>& rows,
                            const std::vector<KeyValue>& key) const {
    ReadScope scope(m_db);
    Query row(m_db, m_keySql);
    size_t low = 0;
    size_t high = rows.size();
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (compareWithRow(key, rows[middle], row) > 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

size_t RowOrder::insertionPoint(const std::vector<qint64>& rows, qint64 rowId) const {
    return lowerBound(rows, rowKey(rowId));
}

KeyValue RowOrder::keyValue(int field, const QVariant& value) const {
    const FieldDef& def = m_schema.fields[static_cast<size_t>(field)];
    KeyValue key;
    if (!value.isValid() || value.isNull())
        return key;
    key.isNull = false;
    switch (def.type) {
    case FieldType::Integer:
    case FieldType::AutoIncrement: {
        bool ok = false;
        key.integer = value.toLongLong(&ok);
        if (!ok)
            throw Error(QStringLiteral("„%1“ není platné celé číslo pro pole %2.")
                            .arg(value.toString(), def.name));
        return key;
    }
    case FieldType::Date:
        key.isText = true;
        key.text = value.toDate().toString(Qt::ISODate).toStdString();
        return key;
    case FieldType::Time:
        key.isText = true;
        key.text = value.toTime().toString(Qt::ISODate).toStdString();
        return key;
    case FieldType::Text:
    case FieldType::Memo:
        key.isText = true;
        key.czech = def.type == FieldType::Text;
        key.text = value.toString().toStdString();
        return key;
    }
    return key;
}

std::vector<KeyValue> RowOrder::rowKey(qint64 rowId) const {
    Query row(m_db, m_keySql);
    row.bind(1, rowId);
    if (!row.next())
        throw Error(QStringLiteral("Záznam tabulky mezitím zmizel."));
    std::vector<KeyValue> key;
    for (size_t i = 0; i < m_orderFields.size(); ++i) {
        const int column = static_cast<int>(i);
        const FieldDef& def = m_schema.fields[static_cast<size_t>(m_orderFields[i])];
        KeyValue value;
        value.isNull = row.isNull(column);
        value.isText = def.type == FieldType::Text || def.type == FieldType::Memo ||
                       def.type == FieldType::Date || def.type == FieldType::Time;
        value.czech = def.type == FieldType::Text;
        if (value.isText)
            value.text = std::string(row.utf8(column));
        else
            value.integer = row.int64(column);
        key.push_back(std::move(value));
    }
    KeyValue id;
    id.isNull = false;
    id.integer = rowId;
    key.push_back(id);
    return key;
}

} // namespace store
