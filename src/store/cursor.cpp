#include "store/cursor.h"

#include "store/database.h"
#include "store/error.h"

#include <QDir>

#include <algorithm>

namespace store {
namespace {

// Up to this many records posted by insertion are placed in the view one by one; more
// are cheaper to place with one new scan of the index.
constexpr size_t kIncrementalInsertLimit = 64;

} // namespace

Cursor::Cursor(QObject* parent)
    : QObject(parent) {}

Cursor::~Cursor() {
    if (active()) {
        m_state = CursorState::Browse;
        db().removeChangeListener(m_listenerId);
    }
}

Database& Cursor::db() const {
    requireActive();
    return *m_db;
}

void Cursor::requireActive() const {
    if (!m_db)
        throw Error(QStringLiteral("Tabulka %1 není otevřena.").arg(m_fileName));
}

void Cursor::requireBrowse() const {
    if (editing())
        throw Error(QStringLiteral("Tabulka %1 je v režimu úprav.").arg(m_fileName));
}

void Cursor::setDatabaseName(const QString& folder) {
    if (active())
        throw Error(QStringLiteral("Otevřené tabulce nelze změnit složku."));
    m_folder = folder;
}

void Cursor::setTableName(const QString& fileName) {
    if (active())
        throw Error(QStringLiteral("Otevřené tabulce nelze změnit jméno."));
    m_fileName = fileName;
}

void Cursor::open() {
    if (active())
        return;
    if (m_fileName.isEmpty())
        throw Error(QStringLiteral("Tabulce nebylo zadáno jméno souboru."));
    const QString path = m_folder.isEmpty() ? m_fileName : QDir(m_folder).filePath(m_fileName);
    std::shared_ptr<Database> database = Database::open(path);
    const TableSchema& schema = database->schema();
    if (!schema.findIndex(m_indexName))
        throw Error(
            QStringLiteral("Index %1 v tabulce %2 neexistuje.").arg(m_indexName, m_fileName));
    m_compiledFilter = compileFilter(m_filterText, schema);

    m_db = std::move(database);
    m_order = std::make_unique<RowOrder>(*m_db, m_db->schema());
    m_listenerId = m_db->addChangeListener([this] {
        if (!std::exchange(m_staleNotified, true))
            notifyView();
    });
    m_linkValue = masterLinkValue();
    applyViewSettings();
    setState(CursorState::Browse);
    invalidateView(std::nullopt);
}

void Cursor::close() {
    if (!active())
        return;
    m_db->removeChangeListener(m_listenerId);
    m_order.reset();
    m_db.reset();
    m_rows.clear();
    m_pendingInserts.clear();
    m_pos = 0;
    m_bof = m_eof = true;
    m_bufferRowId = 0;
    m_page.clear();
    m_editValues.clear();
    setState(CursorState::Inactive);
    notifyView();
    notifyCurrent();
}

void Cursor::setMaster(Cursor* master, const QString& fieldName) {
    if (m_master)
        disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    m_linkFieldName = master ? fieldName : QString();
    if (master)
        connect(master, &Cursor::currentChanged, this, &Cursor::notifyView);
    if (active()) {
        checkBrowseMode();
        m_linkValue = masterLinkValue();
        applyViewSettings();
        invalidateView(std::nullopt);
    }
}

QVariant Cursor::masterLinkValue() {
    Cursor* master = m_master.data();
    if (master == nullptr || !master->active() || master->isEmpty())
        return {};
    return master->field(m_linkFieldName).value();
}

const TableSchema& Cursor::schema() const {
    return db().schema();
}

int Cursor::fieldCount() const {
    return static_cast<int>(schema().fields.size());
}

Field Cursor::field(const QString& name) {
    const int index = schema().fieldIndex(name);
    if (index < 0)
        throw Error(QStringLiteral("Pole %1 v tabulce %2 neexistuje.").arg(name, m_fileName));
    return Field(*this, index);
}

Field Cursor::field(int index) {
    if (index < 0 || index >= fieldCount())
        throw Error(
            QStringLiteral("Pole číslo %1 v tabulce %2 neexistuje.").arg(index).arg(m_fileName));
    return Field(*this, index);
}

QStringList Cursor::indexNames() const {
    QStringList names;
    for (const IndexDef& index : schema().indexes) {
        if (!index.name.isEmpty())
            names << index.name;
    }
    return names;
}

void Cursor::setIndexName(const QString& name) {
    if (!active()) {
        m_indexName = name;
        return;
    }
    const IndexDef* index = schema().findIndex(name);
    if (!index)
        throw Error(QStringLiteral("Index %1 v tabulce %2 neexistuje.").arg(name, m_fileName));
    checkBrowseMode();
    const std::optional<qint64> keep = recordToKeep();
    m_indexName = index->name;
    m_recordOrder = false;
    applyViewSettings();
    invalidateView(keep);
}

void Cursor::setRecordOrder() {
    if (!active()) {
        m_recordOrder = true;
        return;
    }
    checkBrowseMode();
    const std::optional<qint64> keep = recordToKeep();
    m_recordOrder = true;
    applyViewSettings();
    invalidateView(keep);
}

QStringList Cursor::indexFieldNames() const {
    const IndexDef* index = schema().findIndex(m_indexName);
    return index ? index->fields : QStringList();
}

void Cursor::applyViewSettings() {
    const TableSchema& tableSchema = m_db->schema();
    std::vector<int> orderFields; // none: by row id alone
    for (const QString& name :
         m_recordOrder ? QStringList() : tableSchema.findIndex(m_indexName)->fields)
        orderFields.push_back(tableSchema.fieldIndex(name));
    m_order->setOrder(std::move(orderFields));

    const int linkField = m_master ? tableSchema.fieldIndex(m_linkFieldName) : -1;
    if (m_master && linkField < 0)
        throw Error(
            QStringLiteral("Pole %1 v tabulce %2 neexistuje.").arg(m_linkFieldName, m_fileName));
    m_order->setCondition(m_filtered ? m_compiledFilter.sqlCondition : QString(),
                          m_filtered ? m_compiledFilter.fieldIndexes : std::vector<int>{},
                          m_linkValue, linkField);
}

void Cursor::sync() {
    requireActive();
    placePendingInserts();
    // A master that moved since the view was last read decides the view, stale or not.
    if (m_master) {
        QVariant linkValue = masterLinkValue();
        if (linkValue != m_linkValue) {
            m_linkValue = std::move(linkValue);
            applyViewSettings();
            rebuild(std::nullopt);
            return;
        }
    }
    if (m_viewStale) {
        rebuild(m_keepOnRebuild);
        return;
    }
    if (m_syncedGeneration != m_db->generation())
        rebuild(currentRowId());
}

void Cursor::invalidateView(std::optional<qint64> keepRowId) {
    m_viewStale = true;
    m_keepOnRebuild = keepRowId;
    m_pendingInserts.clear();
    notifyView();
    notifyCurrent();
}

std::optional<qint64> Cursor::recordToKeep() {
    if (m_viewStale)
        return m_keepOnRebuild;
    sync();
    return m_rows.empty() ? std::nullopt : std::optional<qint64>(currentRowId());
}

void Cursor::placePendingInserts() {
    if (m_pendingInserts.empty())
        return;
    const std::vector<qint64> pending = std::exchange(m_pendingInserts, {});
    if (m_viewStale) {
        m_keepOnRebuild = pending.back(); // the new reading finds them all
        return;
    }
    if (pending.size() > kIncrementalInsertLimit || m_syncedGeneration != m_db->generation()) {
        rebuild(pending.back());
        return;
    }
    for (const qint64 rowId : pending) {
        const size_t position = m_order->insertionPoint(m_rows, rowId);
        if (m_order->matches(rowId))
            m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(position), rowId);
        m_pos = m_rows.empty() ? 0 : std::min(position, m_rows.size() - 1);
    }
    m_bof = m_eof = m_rows.empty();
}

void Cursor::rebuild(std::optional<qint64> keepRowId) {
    m_pendingInserts.clear();
    m_viewStale = false;
    const size_t oldPos = m_pos;
    m_rows = m_order->materialise();
    m_syncedGeneration = m_db->generation();
    m_staleNotified = false;
    m_bufferRowId = 0;
    m_page.clear();
    m_pos = 0;
    m_bof = m_eof = m_rows.empty();
    if (keepRowId && !m_rows.empty()) {
        const auto found = std::find(m_rows.begin(), m_rows.end(), *keepRowId);
        m_pos = found != m_rows.end() ? static_cast<size_t>(found - m_rows.begin())
                                      : std::min(oldPos, m_rows.size() - 1);
    } else {
        m_bof = true;
    }
}

qint64 Cursor::currentRowId() const {
    return m_rows.empty() ? 0 : m_rows[m_pos];
}

void Cursor::placeAt(size_t position) {
    const size_t clamped = m_rows.empty() ? 0 : std::min(position, m_rows.size() - 1);
    m_bof = m_eof = m_rows.empty();
    if (clamped != m_pos) {
        m_pos = clamped;
        notifyCurrent();
    }
}

void Cursor::checkBrowseMode() {
    requireActive();
    if (!editing())
        return;
    if (modified())
        post();
    else
        cancel();
}

void Cursor::first() {
    checkBrowseMode();
    sync();
    placeAt(0);
    m_bof = true;
}

void Cursor::last() {
    checkBrowseMode();
    sync();
    placeAt(m_rows.empty() ? 0 : m_rows.size() - 1);
    m_eof = true;
}

void Cursor::next() {
    moveBy(1);
}

void Cursor::prior() {
    moveBy(-1);
}

int Cursor::moveBy(int distance) {
    checkBrowseMode();
    sync();
    if (m_rows.empty() || distance == 0)
        return 0;
    const auto last = static_cast<qint64>(m_rows.size()) - 1;
    const qint64 wanted = static_cast<qint64>(m_pos) + distance;
    const qint64 target = std::clamp<qint64>(wanted, 0, last);
    const int moved = static_cast<int>(target - static_cast<qint64>(m_pos));
    placeAt(static_cast<size_t>(target));
    m_eof = wanted > last;
    m_bof = wanted < 0;
    return moved;
}

bool Cursor::eof() {
    sync();
    return m_eof;
}

bool Cursor::bof() {
    sync();
    return m_bof;
}

int Cursor::recNo() {
    sync();
    return m_rows.empty() ? 0 : static_cast<int>(m_pos) + 1;
}

void Cursor::setRecNo(int recNo) {
    checkBrowseMode();
    sync();
    placeAt(static_cast<size_t>(std::max(recNo, 1) - 1));
}

int Cursor::recordCount() {
    sync();
    return static_cast<int>(m_rows.size());
}

void Cursor::refresh() {
    checkBrowseMode();
    const std::optional<qint64> keep = recordToKeep();
    if (m_master)
        m_linkValue = masterLinkValue();
    applyViewSettings();
    invalidateView(keep);
}

Bookmark Cursor::bookmark() {
    sync();
    return {currentRowId()};
}

Bookmark Cursor::bookmarkAt(int recNo) {
    const std::span<const qint64> rows = viewRows(recNo, recNo >= 1 ? 1 : 0);
    return rows.empty() ? Bookmark{} : Bookmark{rows.front()};
}

void Cursor::gotoBookmark(const Bookmark& bookmark) {
    checkBrowseMode();
    sync();
    const auto found = std::find(m_rows.begin(), m_rows.end(), bookmark.rowId);
    if (!bookmark.isValid() || found == m_rows.end())
        throw Error(QStringLiteral("Zapamatovaný záznam už v tabulce %1 není.").arg(m_fileName));
    placeAt(static_cast<size_t>(found - m_rows.begin()));
}

std::vector<KeyValue> Cursor::searchKey(const QVariantList& values) const {
    const std::vector<int>& fields = m_order->orderFields();
    if (values.isEmpty() || values.size() > static_cast<qsizetype>(fields.size()))
        throw Error(QStringLiteral("Index %1 tabulky %2 má %3 polí, hledá se podle %4 hodnot.")
                        .arg(m_indexName, m_fileName)
                        .arg(fields.size())
                        .arg(values.size()));
    std::vector<KeyValue> key;
    for (qsizetype i = 0; i < values.size(); ++i)
        key.push_back(m_order->keyValue(fields[static_cast<size_t>(i)], values[i]));
    return key;
}

bool Cursor::findKey(const QVariantList& key) {
    checkBrowseMode();
    sync();
    const std::vector<KeyValue> searched = searchKey(key);
    const size_t position = m_order->lowerBound(m_rows, searched);
    if (position >= m_rows.size() || m_order->compareWithRow(searched, m_rows[position]) != 0)
        return false;
    placeAt(position);
    return true;
}

void Cursor::findNearest(const QVariantList& key) {
    checkBrowseMode();
    sync();
    const size_t position = m_order->lowerBound(m_rows, searchKey(key));
    placeAt(position);
    m_eof = m_rows.empty() || position >= m_rows.size();
}

void Cursor::setFilter(const QString& text) {
    if (!active()) {
        m_filterText = text;
        return;
    }
    CompiledFilter compiled = compileFilter(text, schema());
    checkBrowseMode();
    m_filterText = text;
    m_compiledFilter = std::move(compiled);
    if (m_filtered) {
        applyViewSettings();
        invalidateView(std::nullopt);
    }
}

void Cursor::setFiltered(bool on) {
    if (active())
        checkBrowseMode();
    m_filtered = on;
    if (active()) {
        applyViewSettings();
        invalidateView(std::nullopt);
    }
}

void Cursor::disableControls() {
    ++m_disabled;
}

void Cursor::enableControls() {
    if (m_disabled == 0 || --m_disabled > 0)
        return;
    if (std::exchange(m_viewChangedPending, false))
        emit viewChanged();
    if (std::exchange(m_currentChangedPending, false))
        emit currentChanged();
}

void Cursor::notifyView() {
    if (m_disabled > 0)
        m_viewChangedPending = true;
    else
        emit viewChanged();
}

void Cursor::notifyCurrent() {
    if (m_disabled > 0)
        m_currentChangedPending = true;
    else
        emit currentChanged();
}

void Cursor::setState(CursorState state) {
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

} // namespace store
