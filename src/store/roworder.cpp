#include "store/roworder.h"

#include "store/czechcollation.h"
#include "store/database.h"
#include "store/error.h"
#include "store/query.h"
#include "store/recordsql.h"

#include <QDate>
#include <QStringList>
#include <QTime>

#include <algorithm>

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

void RowOrder::setCondition(QString sqlCondition, std::vector<int> conditionFields,
                            QVariant linkValue, int linkField) {
    m_condition = std::move(sqlCondition);
    m_conditionFields = std::move(conditionFields);
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

QString RowOrder::orderBy() const {
    QStringList order;
    for (int field : m_orderFields)
        order << quotedName(m_schema.fields[static_cast<size_t>(field)].name);
    order << quotedName(m_schema.rowIdColumn);
    return QStringLiteral(" ORDER BY ") + order.join(u", ");
}

QString RowOrder::orderedSelect(const QString& columns) const {
    return QStringLiteral("SELECT %1 FROM records%2%3").arg(columns, where(), orderBy());
}

QString RowOrder::storedOrderSelect(const QString& columns) const {
    return QStringLiteral("SELECT %1 FROM records%2 ORDER BY %3")
        .arg(columns, where(), quotedName(m_schema.rowIdColumn));
}

void RowOrder::bindCondition(Query& query) const {
    if (m_linkField >= 0)
        query.bind(1, m_linkValue);
}

std::vector<qint64> RowOrder::orderedRows(const QString& where) const {
    Query query(m_db, QStringLiteral("SELECT %1 FROM records%2%3")
                          .arg(quotedName(m_schema.rowIdColumn), where, orderBy()));
    bindCondition(query);
    std::vector<qint64> rows;
    while (query.next())
        rows.push_back(query.int64(0));
    return rows;
}

std::optional<std::vector<qint64>> RowOrder::matchingRowsInIndexOrder() const {
    // A filter on fields that do not lead the order lets the engine either sort what the
    // filter's index finds, comparing texts by the Czech collation, or look up the record of
    // every index entry. When the filter keeps a large part of the table, reading the order's
    // index alone and keeping the records that the filter's own reading found is several times
    // faster than either.
    constexpr size_t kLargePart = 8; // of the table
    const bool orderLedByCondition =
        !m_orderFields.empty() &&
        std::ranges::find(m_conditionFields, m_orderFields.front()) != m_conditionFields.end();
    if (m_condition.isEmpty() || m_linkField >= 0 || orderLedByCondition)
        return std::nullopt;
    const QString id = quotedName(m_schema.rowIdColumn);
    std::vector<qint64> matching;
    Query filtered(m_db, QStringLiteral("SELECT %1 FROM records%2").arg(id, where()));
    while (filtered.next())
        matching.push_back(filtered.int64(0));
    Query highest(m_db, QStringLiteral("SELECT max(%1) FROM records").arg(id));
    const qint64 tableSize = highest.next() ? highest.int64(0) : 0;
    if (matching.size() * kLargePart < static_cast<size_t>(tableSize))
        return std::nullopt;
    std::ranges::sort(matching);
    std::vector<qint64> rows;
    rows.reserve(matching.size());
    for (const qint64 rowId : orderedRows(QString())) {
        if (std::ranges::binary_search(matching, rowId))
            rows.push_back(rowId);
    }
    return rows;
}

std::vector<qint64> RowOrder::materialise() const {
    ReadScope scope(m_db);
    if (std::optional<std::vector<qint64>> rows = matchingRowsInIndexOrder())
        return std::move(*rows);
    return orderedRows(where());
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
