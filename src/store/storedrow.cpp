#include "store/storedrow.h"

#include "store/query.h"

#include <QDate>
#include <QTime>

namespace store {
namespace {

bool isNumber(const FieldDef& def) {
    return def.type == FieldType::Integer || def.type == FieldType::AutoIncrement;
}

QVariant fromText(const FieldDef& def, std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    switch (def.type) {
    case FieldType::Date:
        return QDate::fromString(text, Qt::ISODate);
    case FieldType::Time:
        return QTime::fromString(text, Qt::ISODate);
    default:
        return text;
    }
}

QVariant empty(const FieldDef& def) {
    return def.type == FieldType::Text ? QVariant(QString()) : QVariant();
}

} // namespace

StoredRow::StoredRow(size_t fieldCount)
    : m_cells(fieldCount) {}

StoredRow StoredRow::read(const Query& row, const TableSchema& schema) {
    StoredRow stored(schema.fields.size());
    for (size_t i = 0; i < schema.fields.size(); ++i)
        stored.readCell(row, static_cast<int>(i), i, schema.fields[i]);
    return stored;
}

void StoredRow::readFrom(const Query& row, const TableSchema& schema,
                         const std::vector<int>& reads) {
    m_cells.assign(schema.fields.size(), Cell{});
    m_text.clear();
    for (size_t column = 0; column < reads.size(); ++column) {
        const auto field = static_cast<size_t>(reads[column]);
        readCell(row, static_cast<int>(column), field, schema.fields[field]);
    }
}

void StoredRow::readCell(const Query& row, int column, size_t field, const FieldDef& def) {
    Cell& cell = m_cells[field];
    if (isNumber(def)) {
        const std::optional<qint64> number = row.nullableInt64(column);
        cell.isNull = !number;
        cell.integer = number.value_or(0);
        return;
    }
    const std::optional<std::string_view> text = row.nullableUtf8(column);
    cell.isNull = !text;
    if (!text)
        return;
    cell.textStart = static_cast<quint32>(m_text.size());
    cell.textSize = static_cast<quint32>(text->size());
    m_text.append(*text);
}

QVariant StoredRow::value(size_t field, const FieldDef& def) const {
    const Cell& cell = m_cells[field];
    if (cell.isNull)
        return empty(def);
    if (isNumber(def))
        return cell.integer;
    return fromText(def, std::string_view(m_text).substr(cell.textStart, cell.textSize));
}

std::vector<QVariant> StoredRow::values(const TableSchema& schema) const {
    std::vector<QVariant> result;
    result.reserve(m_cells.size());
    for (size_t i = 0; i < m_cells.size(); ++i)
        result.push_back(value(i, schema.fields[i]));
    return result;
}

QString StoredRow::text(size_t field) const {
    const Cell& cell = m_cells[field];
    if (cell.isNull)
        return {};
    return QString::fromUtf8(m_text.data() + cell.textStart, cell.textSize);
}

std::string_view StoredRow::utf8(size_t field) const {
    const Cell& cell = m_cells[field];
    if (cell.isNull)
        return {};
    return std::string_view(m_text).substr(cell.textStart, cell.textSize);
}

std::optional<qint64> StoredRow::number(size_t field) const {
    const Cell& cell = m_cells[field];
    return cell.isNull ? std::nullopt : std::optional<qint64>(cell.integer);
}

QVariant StoredRow::value(const Query& row, int column, const FieldDef& def) {
    if (row.isNull(column))
        return empty(def);
    if (isNumber(def))
        return row.int64(column);
    return fromText(def, row.utf8(column));
}

} // namespace store
