#pragma once

#include "store/tableschema.h"

#include <QVariant>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

class Query;

// A record as the table holds it: numbers as they are, texts as their stored UTF-8 bytes
// until a field is asked for. A walk that reads a few fields of every record then pays
// neither for the others nor for a value object per field.
class StoredRow {
public:
    StoredRow() = default;
    // A row of empty fields: the current record of an empty view.
    explicit StoredRow(size_t fieldCount);

    // Every field of the query's current row, the fields in the schema's order.
    static StoredRow read(const Query& row, const TableSchema& schema);
    // The fields in reads (by index) from the query's columns in that order, into this row
    // and keeping its room, so that a walk reads every record into one row; the other fields
    // are empty.
    void readFrom(const Query& row, const TableSchema& schema, const std::vector<int>& reads);

    // The field as a value: integers as qint64, dates and times as QDate and QTime, texts
    // as QString; an empty text field gives "", any other empty field an invalid value.
    QVariant value(size_t field, const FieldDef& def) const;
    std::vector<QVariant> values(const TableSchema& schema) const;
    // A text or memo field's text, "" when empty.
    QString text(size_t field) const;
    // The same as its stored UTF-8 bytes, valid while the row lives.
    std::string_view utf8(size_t field) const;
    // A number field's value, none when empty.
    std::optional<qint64> number(size_t field) const;

    // The same, straight from the query's row, for readers that want every field at once.
    static QVariant value(const Query& row, int column, const FieldDef& def);

private:
    struct Cell {
        bool isNull = true;
        qint64 integer = 0;
        quint32 textStart = 0;
        quint32 textSize = 0;
    };

    void readCell(const Query& row, int column, size_t field, const FieldDef& def);

    std::vector<Cell> m_cells;
    std::string m_text;
};

} // namespace store
