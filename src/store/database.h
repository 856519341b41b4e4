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
    // A whole batch is forced to the disk at its end unless forced is false; then, as a
    // batch in chunks, by the checkpoint after it.
    void beginBatch(bool whole, bool forced = true);
    void endBatch();
    void abandonBatch();
    // Within a whole batch: drops the table's indexes until the batch's end builds them
    // anew, each in one sorted pass, so that many inserts only append to the table.
    // Ordered reads meanwhile sort the table; a batch that does not end well keeps the
    // indexes as they were, since the engine undoes the drop with the rest.
    void deferIndexes();
    void noteWrite();
    bool inTransaction() const;

    // A unit of writes within whatever batch holds (or a transaction of its own): kept whole
    // by endUnit or undone whole by abandonUnit, with no chunk's commit inside it.
    void beginUnit();
    void endUnit();
    void abandonUnit();
    // Within a unit or a whole batch that rewrites a field in many records: drops the indexes
    // that hold the field (never a unique one) until the end of the unit or else the batch
    // builds them anew, each in one sorted pass.
    void deferIndexesOf(const QString& field);
    qint64 batchWrites() const { return m_batchWrites; }

    // A handler the engine calls every few thousand steps of a statement (none: nullptr).
    // While one is set, the statements run by execute() (building indexes, commits) run on
    // another thread and the handler is called on this one meanwhile, so that it is heard
    // from during their long steps too.
    void setProgressHandler(int (*handler)(void*), void* context);

private:
    friend class Query;
    friend class ReadScope;
    explicit Database(QString path);

    sqlite3_stmt* takeStatement(const QString& sql);
    void returnStatement(const QString& sql, sqlite3_stmt* stmt);
    void commitAndContinue();
    int executeWhileTicking(const char* sql);
    void checkTransactionSurvived();
    void leaveBatchSettings();
    // Drops the table's indexes (only those holding the field, when one is given) and adds
    // the statements that create them again to creations.
    void dropIndexes(const QString& field, std::vector<QByteArray>& creations);
    // Runs the statements that create indexes, with the engine's settings for it, and
    // empties the list.
    void buildIndexes(std::vector<QByteArray>& creations);
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
    qint64 m_batchWrites = 0;
    std::vector<QByteArray> m_deferredIndexes; // the statements that create them
    bool m_ticking = false;
    int (*m_progressHandler)(void*) = nullptr;
    void* m_progressContext = nullptr;
    int m_unitDepth = 0;
    std::vector<QByteArray> m_unitIndexes; // dropped within the unit, to be created again
    std::future<void> m_checkpoint;
};

// The page cache a write batch on this table file gets, in the form of the engine's
// cache_size setting: room for the whole file, so that a walk in any order reads and
// writes each page once, within bounds.
QByteArray batchCacheSetting(const QString& path);
// The engine's settings for building indexes in a batch: sorting on helper threads, in runs
// that a small page cache holds.
QByteArray indexBuildSettings();

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
