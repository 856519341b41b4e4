#include "dictionary/wordtablemodel.h"

#include "store/cursor.h"
#include "store/error.h"

namespace dictionary {
namespace {

constexpr int kPageRows = 64;
constexpr size_t kCachedPages = 16; // a few screens around the visible one

} // namespace

WordTableModel::WordTableModel(store::Cursor& cursor, QObject* parent)
    : QAbstractTableModel(parent)
    , m_cursor(cursor) {
    connect(&cursor, &store::Cursor::viewChanged, this, &WordTableModel::reset);
    connect(&cursor, &store::Cursor::stateChanged, this, &WordTableModel::followState);
    connect(&cursor, &store::Cursor::currentChanged, this, &WordTableModel::followCurrent);
}

void WordTableModel::reset() {
    beginResetModel();
    m_pages.clear();
    m_fieldIndexes.clear();
    for (const GridColumn& column : m_columns)
        m_fieldIndexes.push_back(m_cursor.active() ? m_cursor.schema().fieldIndex(column.field)
                                                   : -1);
    m_insertRow = m_cursor.active() && m_cursor.state() == store::CursorState::Insert
                      ? std::max(m_cursor.recNo() - 1, 0)
                      : -1;
    endResetModel();
}

void WordTableModel::followState() {
    // Only the start of an insertion is followed here: the cursor is in order then. Its
    // end (a post or a cancel) is followed on the cursor's next signal, sent when the
    // view is in order again.
    if (m_cursor.controlsDisabled() || m_cursor.state() != store::CursorState::Insert ||
        m_insertRow >= 0)
        return;
    const int row = std::max(m_cursor.recNo() - 1, 0); // the new record goes before the current
    beginInsertRows({}, row, row);
    m_insertRow = row;
    endInsertRows();
}

void WordTableModel::followCurrent() {
    if (!m_cursor.active())
        return;
    if (m_insertRow >= 0) {
        if (m_cursor.state() == store::CursorState::Insert)
            emitRowChanged(m_insertRow);
        else
            reset();
        return;
    }
    // The cursor's record may have been posted; its cached row is read anew. With nothing
    // cached (the view was just read anew) the rows are read when shown: asking the cursor
    // where it stands would read a view that may be about to change again.
    if (m_pages.empty())
        return;
    const int row = m_cursor.recNo() - 1;
    if (row < 0)
        return;
    const auto page = m_pages.find(row - row % kPageRows);
    if (page != m_pages.end()) {
        const auto offset = static_cast<size_t>(row % kPageRows);
        try {
            std::vector<QVariantList> fresh = m_cursor.readRows(row + 1, 1);
            if (fresh.empty() || offset >= page->second.size())
                m_pages.erase(page);
            else
                page->second[offset] = std::move(fresh.front());
        } catch (const store::Error&) {
            m_pages.erase(page);
        }
    }
    emitRowChanged(row);
}

void WordTableModel::emitRowChanged(int row) {
    if (hasIndex(row, 0))
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void WordTableModel::setColumns(std::vector<GridColumn> columns) {
    m_columns = std::move(columns);
    m_fonts.clear();
    reset();
}

void WordTableModel::setColumnFont(int column, const QFont& font) {
    m_fonts[column] = font;
    emit headerDataChanged(Qt::Horizontal, column, column);
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::FontRole});
}

void WordTableModel::setEditable(bool editable, const QStringList& readOnlyFields) {
    m_editable = editable;
    m_readOnlyFields = readOnlyFields;
}

int WordTableModel::currentRow() const {
    if (!m_cursor.active())
        return -1;
    return m_insertRow >= 0 ? m_insertRow : m_cursor.recNo() - 1;
}

int WordTableModel::recordOf(int row) const {
    return m_insertRow >= 0 && row > m_insertRow ? row - 1 : row;
}

bool WordTableModel::editsRow(int row) const {
    return m_cursor.editing() && row == currentRow();
}

void WordTableModel::goToRow(int row) {
    if (!m_cursor.active() || row < 0 || row == currentRow())
        return;
    // The record, not the row: the post of the record left may move rows around.
    const store::Bookmark target = m_cursor.bookmarkAt(recordOf(row) + 1);
    if (target.isValid())
        m_cursor.gotoBookmark(target);
}

int WordTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_cursor.active())
        return 0;
    return m_cursor.recordCount() + (m_insertRow >= 0 ? 1 : 0);
}

int WordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

const QVariantList* WordTableModel::rowAt(int record) const {
    const int first = record - record % kPageRows;
    auto page = m_pages.find(first);
    if (page == m_pages.end()) {
        if (m_pages.size() >= kCachedPages)
            m_pages.erase(m_pages.begin());
        page = m_pages.emplace(first, m_cursor.readRows(first + 1, kPageRows)).first;
    }
    const auto offset = static_cast<size_t>(record - first);
    return offset < page->second.size() ? &page->second[offset] : nullptr;
}

QVariant WordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_cursor.active())
        return {};
    const auto column = static_cast<size_t>(index.column());
    if (role == Qt::FontRole) {
        const auto font = m_fonts.find(index.column());
        return font != m_fonts.end() ? QVariant(font->second) : QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const int field = column < m_fieldIndexes.size() ? m_fieldIndexes[column] : -1;
    if (field < 0)
        return {};
    try {
        if (editsRow(index.row()))
            return m_cursor.field(field).asString(); // the edit buffer
        if (index.row() == m_insertRow)
            return {};
        const QVariantList* row = rowAt(recordOf(index.row()));
        return row ? row->value(field).toString() : QVariant();
    } catch (const store::Error&) {
        return {}; // the record went away; the view is re-read on the next change
    }
}

QVariant WordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(m_columns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    // The titles take the header's own font, which the grid makes bold.
    if (role == Qt::DisplayRole)
        return m_columns[static_cast<size_t>(section)].title;
    return {};
}

Qt::ItemFlags WordTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_editable && index.isValid() &&
        !m_readOnlyFields.contains(m_columns[static_cast<size_t>(index.column())].field))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool WordTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    const QString& name = m_columns[static_cast<size_t>(index.column())].field;
    try {
        goToRow(index.row());
        if (m_cursor.field(name).asString() == text)
            return true; // an editor closed without a change leaves the record alone
        m_cursor.edit();
        m_cursor.field(name).setAsString(text);
    } catch (const store::Error& error) {
        emit editRefused(error.message());
        return false;
    }
    emitRowChanged(currentRow());
    return true;
}

} // namespace dictionary
