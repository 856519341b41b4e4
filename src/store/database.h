#pragma once

#include "store/recordsql.h"
#include "store/tableschema.h"

#include <QHash>
#include <QString>

#include <functional>
#include <future>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// The open connection to one table file, shared by every cursor on that file so that
// each sees the others' posted changes at once. Posts commit on their own (WAL with
// full sync: a posted record survives a crash right after the post) unless a PostBatch
// groups them.
class Database {
public:
    // The connection to an existing table file, opened on first use and shared.
    static std::shared_ptr<Database> open(const QString& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return m_path; }
    const TableSchema& schema() const { return m_schema; }
    RecordSql& recordSql() { return *m_recordSql; }
    sqlite3* handle() const { return m_db; }

    // Runs SQL text without parameters (several statements allowed).
    void execute(const char* sql);

    // Data generation: grows with every change, so cursors know when to re-read.
    quint64 generation() const { return m_generation; }
    using ChangeListener = std::function<void()>;
    int addChangeListener(ChangeListener listener);
    void removeChangeListener(int id);
    // Called after each write; notifies every listener but the writer's.
    void noteChange(int writerListenerId);

    // Write batches: nested begin/end. A batch in chunks commits every few thousand writes,
    // so that a walk over a large table is fast and a crash in its middle leaves whole
    // records; a whole batch commits at its end only. A batch abandoned (its walk failed)
    // keeps what it wrote in chunks and drops everything of a whole one.
    // whileBuilding is called now and then while deferred indexes are built at the end, so
    // that a window can repaint; should it throw, the build stops and the batch fails.
    using Heartbeat = std::function<void()>;
    void beginBatch(bool whole);
    void endBatch(const Heartbeat& whileBuilding = {});
    void abandonBatch();
    // Within a whole batch: drops the table's indexes until the batch's end builds them
    // anew, each in one sorted pass, so that many inserts only append to the table.
    // Ordered reads meanwhile sort the table; a batch that does not end well keeps the
    // indexes as they were, since the engine undoes the drop with the rest.
    void deferIndexes();
    void noteWrite();
    bool inTransaction() const;

private:
    friend class Query;
    friend class ReadScope;
    explicit Database(QString path);

    sqlite3_stmt* takeStatement(const QString& sql);
    void returnStatement(const QString& sql, sqlite3_stmt* stmt);
    void commitAndContinue();
    void checkTransactionSurvived();
    void leaveBatchSettings();
    void rebuildDeferredIndexes(const Heartbeat& whileBuilding);
    void checkpointInBackground();

    QString m_path;
    sqlite3* m_db = nullptr;
    TableSchema m_schema;
    std::unique_ptr<RecordSql> m_recordSql;
    QHash<QString, std::vector<sqlite3_stmt*>> m_freeStatements;
    quint64 m_generation = 0;
    int m_nextListenerId = 1;
    std::vector<std::pair<int, ChangeListener>> m_listeners;
    int m_batchDepth = 0;
    bool m_wholeBatch = false;
    int m_writesInChunk = 0;
    std::vector<QByteArray> m_deferredIndexes; // the statements that create them
    std::future<void> m_checkpoint;
};

// The page cache a write batch on this table file gets, in the form of the engine's
// cache_size setting: room for the whole file, so that a walk in any order reads and
// writes each page once, within bounds.
QByteArray batchCacheSetting(const QString& path);

// Groups point reads into one short read transaction (four times faster than reading
// each row in its own). A no-op inside a transaction already open.
class ReadScope {
public:
    explicit ReadScope(Database& db);
    ~ReadScope();
    ReadScope(const ReadScope&) = delete;
    ReadScope& operator=(const ReadScope&) = delete;

private:
    Database& m_db;
    bool m_began = false;
};

} // namespace store
