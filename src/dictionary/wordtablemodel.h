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
// reads. The columns are a grid layout's; editing a cell edits and posts the record.
class WordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit WordTableModel(store::Cursor& cursor, QObject* parent = nullptr);

    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columns() const { return m_columns; }
    void setColumnFont(int column, const QFont& font);
    // Columns whose cells may be typed into while editing is allowed.
    void setEditable(bool editable, const QStringList& readOnlyFields = {});

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The message of the last refused edit (the store's text), for the window to show.
    const QString& lastError() const { return m_lastError; }

private:
    const QVariantList* rowAt(int row) const;
    void reset();

    store::Cursor& m_cursor;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_fieldIndexes; // of each column in the table, -1 when unknown
    std::map<int, QFont> m_fonts;
    bool m_editable = false;
    QStringList m_readOnlyFields;
    mutable std::map<int, std::vector<QVariantList>> m_pages; // first row of a page → rows
    QString m_lastError;
};

} // namespace dictionary
