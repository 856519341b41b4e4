// Editing, posting and reading records of a Cursor.
#include "store/cursor.h"

#include "store/database.h"
#include "store/error.h"
#include "store/query.h"

#include <sqlite3.h>

#include <algorithm>
#include <span>
#include <type_traits>

namespace store {
namespace {

// Records read at once, at most, when a walk goes on to the next record.
constexpr size_t kReadAhead = 128;

QVariant toStored(const FieldDef& def, const QVariant& value) {
    const bool empty = !value.isValid() || value.isNull();
    switch (def.type) {
    case FieldType::Text:
        return empty ? QString() : value.toString(); // text fields are never NULL
    case FieldType::Date:
        return empty ? QVariant() : QVariant(value.toDate().toString(Qt::ISODate));
    case FieldType::Time:
        return empty ? QVariant() : QVariant(value.toTime().toString(Qt::ISODate));
    case FieldType::Memo:
    case FieldType::Integer:
    case FieldType::AutoIncrement:
        return empty ? QVariant() : value;
    }
    return value;
}

} // namespace

bool Cursor::modified() const {
    return std::find(m_changed.begin(), m_changed.end(), true) != m_changed.end();
}

void Cursor::edit() {
    requireActive();
    if (editing())
        return;
    sync();
    if (m_rows.empty()) {
        insert();
        return;
    }
    m_editValues = currentRow().values(schema());
    m_changed.assign(m_editValues.size(), false);
    setState(CursorState::Edit);
}

void Cursor::insert() {
    checkBrowseMode();
    if (m_master)
        sync(); // the new record takes the master's current value
    const size_t count = schema().fields.size();
    m_editValues.assign(count, QVariant());
    m_changed.assign(count, false);
    for (size_t i = 0; i < count; ++i) {
        if (schema().fields[i].type == FieldType::Text)
            m_editValues[i] = QString();
    }
    if (m_master) {
        const auto link = static_cast<size_t>(schema().fieldIndex(m_linkFieldName));
        m_editValues[link] = m_linkValue;
        m_changed[link] = m_linkValue.isValid();
    }
    setState(CursorState::Insert);
    notifyCurrent();
}

void Cursor::append() {
    insert();
}

void Cursor::cancel() {
    requireActive();
    if (!editing())
        return;
    m_editValues.clear();
    m_changed.clear();
    setState(CursorState::Browse);
    notifyCurrent();
}

void Cursor::post() {
    requireActive();
    if (!editing())
        return;
    if (m_beforePost)
        m_beforePost(*this);
    validateBeforeWrite();

    const bool inserting = m_state == CursorState::Insert;
    const bool wasSynced = m_syncedGeneration == m_db->generation();
    bool orderMayChange = inserting;
    if (!inserting) {
        for (int field : m_order->orderFields())
            orderMayChange |= m_changed[static_cast<size_t>(field)];
        for (int field : m_compiledFilter.fieldIndexes)
            orderMayChange |= m_filtered && m_changed[static_cast<size_t>(field)];
        if (m_master)
            orderMayChange |= m_changed[static_cast<size_t>(schema().fieldIndex(m_linkFieldName))];
    }
    const bool wrote = inserting || modified();
    const qint64 rowId = wrote ? writeRecord() : currentRowId();

    m_editValues.clear();
    m_changed.clear();
    setState(CursorState::Browse);
    if (!wrote) {
        notifyCurrent();
        return;
    }
    if (!wasSynced || m_viewStale) {
        invalidateView(rowId);
    } else if (inserting) {
        // Placed on the next look at the view: a run of appends then costs one scan
        // instead of a shift of the whole view per record.
        m_pendingInserts.push_back(rowId);
        m_syncedGeneration = m_db->generation();
        m_bufferRowId = 0;
        notifyView();
        notifyCurrent();
    } else {
        placeAfterEdit(rowId, orderMayChange);
    }
}

void Cursor::placeAfterEdit(qint64 rowId, bool orderMayChange) {
    // The view is current again before anyone hears of the change.
    m_syncedGeneration = m_db->generation();
    m_bufferRowId = 0;
    if (orderMayChange) {
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(m_pos));
        if (m_order->matches(rowId)) {
            m_pos = m_order->insertionPoint(m_rows, rowId);
            m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(m_pos), rowId);
        } else if (!m_rows.empty()) {
            // The record left the view: the cursor stands on the one that followed it.
            m_pos = std::min(m_pos, m_rows.size() - 1);
        } else {
            m_pos = 0;
        }
    }
    m_bof = m_eof = m_rows.empty();
    if (orderMayChange)
        notifyView();
    notifyCurrent();
}

void Cursor::validateBeforeWrite() const {
    const TableSchema& tableSchema = schema();
    for (size_t i = 0; i < tableSchema.fields.size(); ++i) {
        const FieldDef& def = tableSchema.fields[i];
        if (def.type != FieldType::Text)
            continue;
        const QString text = m_editValues[i].toString();
        if (text.size() > def.size)
            throw Error(QStringLiteral("Text pole %1 je delší než %2 znaků: „%3“.")
                            .arg(def.name)
                            .arg(def.size)
                            .arg(text));
    }
}

qint64 Cursor::writeRecord() {
    const TableSchema& tableSchema = schema();
    Database& database = db();
    qint64 rowId = 0;
    if (m_state == CursorState::Insert) {
        Query insert(database, database.recordSql().insertRow());
        int parameter = 0;
        for (size_t i = 0; i < tableSchema.fields.size(); ++i) {
            const FieldDef& def = tableSchema.fields[i];
            if (def.type != FieldType::AutoIncrement)
                insert.bind(++parameter, toStored(def, m_editValues[i]));
        }
        insert.exec();
        rowId = sqlite3_last_insert_rowid(database.handle());
    } else {
        rowId = currentRowId();
        Query update(database, database.recordSql().updateRow(m_changed));
        int parameter = 0;
        for (size_t i = 0; i < tableSchema.fields.size(); ++i) {
            if (m_changed[i])
                update.bind(++parameter, toStored(tableSchema.fields[i], m_editValues[i]));
        }
        update.bind(++parameter, rowId);
        update.exec();
    }
    const quint64 generation = database.generation();
    database.noteWrite();
    database.noteChange(m_listenerId);
    m_page.forgetWritten(rowId, generation, database.generation());
    return rowId;
}

void Cursor::rewriteField(int field, const std::vector<int>& reads, const FieldRewrite& rewrite) {
    checkBrowseMode();
    Database& database = db();
    const TableSchema& tableSchema = schema();
    const FieldDef& def = tableSchema.fields.at(static_cast<size_t>(field));
    std::vector<std::pair<qint64, QVariant>> changes;
    size_t readCount = 0;
    {
        ReadScope scope(database);
        Query stored(database,
                     m_order->storedOrderSelect(database.recordSql().columnsReading(reads)));
        m_order->bindCondition(stored);
        const auto rowIdColumn = static_cast<int>(reads.size());
        StoredRow row;
        while (stored.next()) {
            const qint64 rowId = stored.int64(rowIdColumn);
            ++readCount;
            row.readFrom(stored, tableSchema, reads);
            if (std::optional<QVariant> value = rewrite(row, Bookmark{rowId}))
                changes.emplace_back(rowId, toStored(def, *value));
        }
    }
    if (changes.empty())
        return;
    std::vector<bool> changed(tableSchema.fields.size(), false);
    changed[static_cast<size_t>(field)] = true;
    const std::optional<qint64> keep =
        m_viewStale ? m_keepOnRebuild : std::optional<qint64>(currentRowId());
    // However far the writing gets, every cursor on the table reads it anew.
    const auto announce = [&] {
        database.noteChange(m_listenerId);
        invalidateView(keep);
    };
    // A rewrite of many records builds the field's indexes anew rather than moving an entry
    // of each for every record, several times faster.
    constexpr size_t kRebuildShare = 8;
    database.beginUnit();
    try {
        if (changes.size() * kRebuildShare > readCount)
            database.deferIndexesOf(def.name);
        Query update(database, database.recordSql().updateRow(changed));
        for (const auto& [rowId, value] : changes) {
            update.reset();
            update.bind(1, value);
            update.bind(2, rowId);
            update.exec();
            database.noteWrite();
        }
        update.reset();
        database.endUnit();
    } catch (...) {
        database.abandonUnit();
        announce();
        throw;
    }
    announce();
}

void Cursor::deleteRecord() {
    requireActive();
    if (m_state == CursorState::Insert) {
        cancel();
        return;
    }
    cancel();
    sync();
    if (m_rows.empty())
        throw Error(QStringLiteral("Tabulka %1 je prázdná, není co smazat.").arg(m_fileName));
    const bool wasSynced = m_syncedGeneration == m_db->generation();
    const qint64 rowId = currentRowId();
    Query remove(db(), m_db->recordSql().deleteRow());
    remove.bind(1, rowId);
    remove.exec();
    const quint64 generation = m_db->generation();
    m_db->noteWrite();
    m_db->noteChange(m_listenerId);
    m_page.forgetWritten(rowId, generation, m_db->generation());
    if (!wasSynced) {
        invalidateView(std::nullopt);
        return;
    }
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(m_pos));
    m_pos = m_rows.empty() ? 0 : std::min(m_pos, m_rows.size() - 1);
    m_syncedGeneration = m_db->generation();
    m_bufferRowId = 0;
    m_bof = m_eof = m_rows.empty();
    notifyView();
    notifyCurrent();
}

void Cursor::insertRecord(const QVariantList& values) {
    if (values.size() > fieldCount())
        throw Error(QStringLiteral("Tabulka %1 má jen %2 polí.").arg(m_fileName).arg(fieldCount()));
    insert();
    try {
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (schema().fields[static_cast<size_t>(i)].type != FieldType::AutoIncrement)
                field(static_cast<int>(i)).setValue(values[i]);
        }
        post();
    } catch (...) {
        cancel();
        throw;
    }
}

void Cursor::appendRecord(const QVariantList& values) {
    insertRecord(values);
}

void Cursor::emptyTable() {
    requireActive();
    cancel();
    Query(db(), QStringLiteral("DELETE FROM records")).exec();
    m_db->noteWrite();
    m_db->noteChange(m_listenerId);
    invalidateView(std::nullopt);
}

const StoredRow& Cursor::currentRow() {
    sync();
    if (m_rows.empty()) {
        m_buffer = StoredRow(schema().fields.size());
        m_bufferRowId = 0;
    } else if (m_bufferRowId != currentRowId()) {
        m_buffer = readCurrentRow();
        m_bufferRowId = currentRowId();
    }
    return m_buffer;
}

namespace {

// Every field of the row with this id, read through a prepared record statement.
template <typename Values>
Values readRecord(Query& row, qint64 rowId, const TableSchema& schema, const QString& fileName) {
    row.reset();
    row.bind(1, rowId);
    if (!row.next())
        throw Error(QStringLiteral("Záznam tabulky %1 mezitím zmizel.").arg(fileName));
    if constexpr (std::is_same_v<Values, StoredRow>) {
        return StoredRow::read(row, schema);
    } else {
        Values values;
        values.reserve(static_cast<int>(schema.fields.size()));
        for (size_t i = 0; i < schema.fields.size(); ++i)
            values.push_back(StoredRow::value(row, static_cast<int>(i), schema.fields[i]));
        return values;
    }
}

// The records with these ids in one read transaction, through one prepared statement.
template <typename Values>
std::vector<Values> readRecords(Database& db, std::span<const qint64> rowIds,
                                const QString& fileName) {
    std::vector<Values> records;
    records.reserve(rowIds.size());
    ReadScope scope(db);
    Query row(db, db.recordSql().selectRow());
    for (const qint64 rowId : rowIds)
        records.push_back(readRecord<Values>(row, rowId, db.schema(), fileName));
    return records;
}

} // namespace

StoredRow Cursor::loadRow(qint64 rowId) {
    Query row(db(), m_db->recordSql().selectRow());
    return readRecord<StoredRow>(row, rowId, schema(), m_fileName);
}

StoredRow Cursor::readCurrentRow() {
    const qint64 rowId = currentRowId();
    const bool walking = m_page.walksOnTo(m_pos);
    if (auto values = m_page.take(m_pos, rowId, m_db->generation()))
        return std::move(*values);
    if (!walking)
        return loadRow(rowId);
    const size_t end = std::min(m_rows.size(), m_pos + m_page.readAhead(kReadAhead));
    std::vector<qint64> rowIds(m_rows.begin() + static_cast<std::ptrdiff_t>(m_pos),
                               m_rows.begin() + static_cast<std::ptrdiff_t>(end));
    auto records = readRecords<StoredRow>(db(), rowIds, m_fileName);
    m_page.fill(m_pos, std::move(rowIds), std::move(records), m_db->generation());
    return std::move(*m_page.take(m_pos, rowId, m_db->generation()));
}

std::span<const qint64> Cursor::viewRows(int firstRecNo, int count) {
    sync();
    const size_t first = std::min(static_cast<size_t>(std::max(firstRecNo, 1) - 1), m_rows.size());
    const size_t wanted = std::min(static_cast<size_t>(std::max(count, 0)), m_rows.size() - first);
    return std::span(m_rows).subspan(first, wanted);
}

std::vector<QVariantList> Cursor::readRows(int firstRecNo, int count) {
    return readRecords<QVariantList>(db(), viewRows(firstRecNo, count), m_fileName);
}

std::vector<StoredRow> Cursor::readStoredRows(int firstRecNo, int count) {
    return readRecords<StoredRow>(db(), viewRows(firstRecNo, count), m_fileName);
}

QVariant Cursor::readField(int index) {
    const auto i = static_cast<size_t>(index);
    if (editing())
        return m_editValues[i];
    return currentRow().value(i, schema().fields[i]);
}

void Cursor::writeField(int index, QVariant value) {
    if (!editing())
        throw Error(QStringLiteral("Tabulka %1 není v režimu úprav.").arg(m_fileName));
    const auto i = static_cast<size_t>(index);
    const FieldDef& def = schema().fields[i];
    if (def.type == FieldType::AutoIncrement)
        throw Error(QStringLiteral("Pole %1 čísluje tabulka sama, nelze je měnit.").arg(def.name));
    // Only what differs from the stored record is written.
    m_changed[i] = m_state == CursorState::Insert || value != m_buffer.value(i, def);
    m_editValues[i] = std::move(value);
}

} // namespace store
