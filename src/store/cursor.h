#pragma once

#include "store/field.h"
#include "store/filter.h"
#include "store/roworder.h"
#include "store/rowpage.h"
#include "store/tableschema.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace store {

class Database;

enum class CursorState { Inactive, Browse, Edit, Insert };

// A remembered record; stays valid while the record exists.
struct Bookmark {
    qint64 rowId = 0;
    bool isValid() const { return rowId != 0; }
};

// A cursor over one table file: the program's way to every record. It stands on one
// record of its view (all records, or those its filter and its master let through) in
// the order of its current index, moves, searches, edits and posts. Several cursors on
// one file see each other's posted changes at once. Every failure raises store::Error.
//
// Navigation follows the usual rules: first() sets bof(), a next() past the last record
// sets eof() and stays on the last one; an empty view has both. Moving while editing
// posts a modified record first (or cancels an untouched one).
class Cursor : public QObject {
    Q_OBJECT
public:
    using BeforePostHook = std::function<void(Cursor&)>;

    explicit Cursor(QObject* parent = nullptr);
    ~Cursor() override;

    // Binding.
    void setDatabaseName(const QString& folder);
    const QString& databaseName() const { return m_folder; }
    void setTableName(const QString& fileName);
    const QString& tableName() const { return m_fileName; }
    void open();
    void close();
    bool active() const { return m_db != nullptr; }
    // Shows only the records whose field equals the master's current value of the
    // field of the same name; follows the master as it moves. nullptr unbinds.
    void setMaster(Cursor* master, const QString& fieldName);

    // Fields of the current record.
    const TableSchema& schema() const;
    int fieldCount() const;
    Field field(const QString& name);
    Field field(int index);

    // Order.
    QStringList indexNames() const;
    void setIndexName(const QString& name); // "" is the primary key
    const QString& indexName() const { return m_indexName; }
    // The records in the order the table keeps them, until an index is selected again: the
    // quickest walk over a large table for work that visits each record once in any order
    // (searches need an index). indexName() still names the index selected last.
    void setRecordOrder();
    bool recordOrder() const { return m_recordOrder; }
    QStringList indexFieldNames() const;

    // Navigation.
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);
    bool eof();
    bool bof();
    int recNo();              // 1-based; 0 when the view is empty
    void setRecNo(int recNo); // clamped to the view
    int recordCount();
    bool isEmpty() { return recordCount() == 0; }
    void refresh();
    Bookmark bookmark();
    Bookmark bookmarkAt(int recNo); // of the record at that place of the view; none past it
    void gotoBookmark(const Bookmark& bookmark);

    // Searching on the current index; key values in the index's field order, fewer
    // values than fields search by the leading fields.
    bool findKey(const QVariantList& key); // moves only when found
    void findNearest(const QVariantList& key);

    // Filtering.
    void setFilter(const QString& text);
    const QString& filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

    // Editing.
    CursorState state() const { return m_state; }
    // A record is being edited or inserted: its values are in the edit buffer.
    bool editing() const { return m_state == CursorState::Edit || m_state == CursorState::Insert; }
    bool modified() const;
    void edit();
    void insert();
    void append();
    void post();
    void cancel();
    void deleteRecord();
    void insertRecord(const QVariantList& values); // values in field order
    void appendRecord(const QVariantList& values);
    void emptyTable();
    void setBeforePost(BeforePostHook hook) { m_beforePost = std::move(hook); }

    // Reading for views that show many rows without moving the cursor (1-based).
    std::vector<QVariantList> readRows(int firstRecNo, int count);
    // The same rows as stored, for walks that read a few of their fields.
    std::vector<StoredRow> readStoredRows(int firstRecNo, int count);
    // Every record of the view as stored, first to last: visit(row, recNo). One ordered
    // reading of the table serves the whole walk, many times faster than reading the
    // records one by one. The row holds the fields in reads (by index), the others may be
    // empty; visit may swap it for a row of its own, to keep without a copy. The cursor stays
    // where it stands; visit must not change the table.
    void forEachStoredRow(const std::vector<int>& reads,
                          const std::function<void(StoredRow&, int)>& visit);
    // For work that visits every record of the view once, in no particular order: reads them
    // in the order the table keeps them (the quickest reading of a large table, and writing
    // in that order touches each page once) and gives the field the value that rewrite
    // returns for a record, nothing leaving the record as it is. The rewrite sees the fields
    // it reads (by index), the others empty. The records that change are written after the
    // reading, without the before-post hook; the view is read anew at its next use.
    using FieldRewrite = std::function<std::optional<QVariant>(const StoredRow&, Bookmark)>;
    void rewriteField(int field, const std::vector<int>& reads, const FieldRewrite& rewrite);

    // Attached views: while disabled no signals are sent; enabling sends one of each.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disabled > 0; }

signals:
    void viewChanged();    // the records of the view or their order changed
    void currentChanged(); // the cursor moved, or its record changed
    void stateChanged();   // browse, edit, insert, inactive

private:
    friend class BusyTicks;
    friend class Field;
    friend class PostBatch;

    Database& db() const;
    void requireActive() const;
    void requireBrowse() const;
    void sync();
    // Reads the view anew and stands on keepRowId if it is still there, else near where
    // the cursor stood; without one, on the first record. Sends no signals: whoever made
    // the view stale has announced it.
    void rebuild(std::optional<qint64> keepRowId);
    // Marks the view for a new reading at its next use and announces the change.
    void invalidateView(std::optional<qint64> keepRowId);
    std::optional<qint64> recordToKeep();
    void applyViewSettings();
    QVariant masterLinkValue();
    qint64 currentRowId() const;
    void placeAt(size_t position);
    void checkBrowseMode();
    // The current record as stored (in browse state).
    const StoredRow& currentRow();
    StoredRow loadRow(qint64 rowId);
    StoredRow readCurrentRow();
    // The row ids of a stretch of the view (1-based, clamped to the view).
    std::span<const qint64> viewRows(int firstRecNo, int count);
    QVariant readField(int index);
    void writeField(int index, QVariant value);
    void validateBeforeWrite() const;
    qint64 writeRecord();
    void placeAfterEdit(qint64 rowId, bool orderMayChange);
    void placePendingInserts();
    std::vector<KeyValue> searchKey(const QVariantList& values) const;
    void setState(CursorState state);
    void notifyView();
    void notifyCurrent();

    QString m_folder;
    QString m_fileName;
    std::shared_ptr<Database> m_db;
    std::unique_ptr<RowOrder> m_order;
    int m_listenerId = 0;

    QString m_indexName;
    bool m_recordOrder = false;
    QString m_filterText;
    bool m_filtered = false;
    CompiledFilter m_compiledFilter;
    QPointer<Cursor> m_master;
    QString m_linkFieldName;
    QVariant m_linkValue;

    std::vector<qint64> m_rows;
    size_t m_pos = 0;
    bool m_bof = true;
    bool m_eof = true;
    quint64 m_syncedGeneration = 0;
    std::vector<qint64> m_pendingInserts; // posted here, not yet placed in m_rows
    bool m_viewStale = true;
    std::optional<qint64> m_keepOnRebuild;
    bool m_staleNotified = false; // another cursor's change was announced once

    qint64 m_bufferRowId = 0;
    StoredRow m_buffer;
    RowPage m_page;
    CursorState m_state = CursorState::Inactive;
    std::vector<QVariant> m_editValues;
    std::vector<bool> m_changed;
    BeforePostHook m_beforePost;

    int m_disabled = 0;
    bool m_viewChangedPending = false;
    bool m_currentChangedPending = false;
};

} // namespace store
