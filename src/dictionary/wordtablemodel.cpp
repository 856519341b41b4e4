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
}

void WordTableModel::reset() {
    beginResetModel();
    m_pages.clear();
    m_fieldIndexes.clear();
    for (const GridColumn& column : m_columns)
        m_fieldIndexes.push_back(m_cursor.active() ? m_cursor.schema().fieldIndex(column.field)
                                                   : -1);
    endResetModel();
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

int WordTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_cursor.active())
        return 0;
    return m_cursor.recordCount();
}

int WordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

const QVariantList* WordTableModel::rowAt(int row) const {
    const int first = row - row % kPageRows;
    auto page = m_pages.find(first);
    if (page == m_pages.end()) {
        if (m_pages.size() >= kCachedPages)
            m_pages.erase(m_pages.begin());
        page = m_pages.emplace(first, m_cursor.readRows(first + 1, kPageRows)).first;
    }
    const auto offset = static_cast<size_t>(row - first);
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
        const QVariantList* row = rowAt(index.row());
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
    try {
        m_cursor.setRecNo(index.row() + 1);
        m_cursor.edit();
        m_cursor.field(m_columns[static_cast<size_t>(index.column())].field)
            .setAsString(value.toString());
        m_cursor.post();
        m_lastError.clear();
        return true;
    } catch (const store::Error& error) {
        m_cursor.cancel();
        m_lastError = error.message();
        return false;
    }
}

} // namespace dictionary
