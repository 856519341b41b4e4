#pragma once

#include "dictionary/gridlayout.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QVariantList>

#include <map>
#include <vector>

namespace store {
class Cursor;
}

namespace dictionary {

// The word grid's rows: the records of a dictionary cursor's view in its order, read a
// page at a time so that a screenful of a 100,000-word dictionary costs a few point
// reads. The columns are a grid layout's.
//
// Edits behave as in a database grid: a typed cell goes into the cursor's edit buffer of
// its record, the row being edited shows the buffered values, and the record is posted
// only when the cursor leaves it (goToRow, or any move of the cursor). While the cursor
// inserts, the new record is an extra row at the place of the insertion. The row of the
// cursor's record is read anew whenever the cursor moves or its record changes.
class WordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit WordTableModel(store::Cursor& cursor, QObject* parent = nullptr);

    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columns() const { return m_columns; }
    void setColumnFont(int column, const QFont& font);
    // Columns whose cells may be typed into while editing is allowed.
    void setEditable(bool editable, const QStringList& readOnlyFields = {});

    // The row of the cursor's record (of the new one while inserting); -1 when none.
    int currentRow() const;
    // Moves the cursor to the record of a row, posting the record it leaves first. A
    // refused post raises store::Error and leaves the cursor editing its record.
    void goToRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // A typed value the record does not take (the store's text), for the window to show.
    void editRefused(const QString& message);

private:
    // The 0-based place in the cursor's view of the record a row shows.
    int recordOf(int row) const;
    bool editsRow(int row) const;
    const QVariantList* rowAt(int record) const;
    void reset();
    void followState();
    void followCurrent();
    void emitRowChanged(int row);

    store::Cursor& m_cursor;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_fieldIndexes; // of each column in the table, -1 when unknown
    std::map<int, QFont> m_fonts;
    bool m_editable = false;
    QStringList m_readOnlyFields;
    mutable std::map<int, std::vector<QVariantList>> m_pages; // first record of a page → rows
    int m_insertRow = -1; // the new record's row while the cursor inserts
};

} // namespace dictionary
