#include "store/database.h"

#include "store/error.h"
#include "store/query.h"
#include "store/tablefile.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

namespace store {
namespace {

// A walk commits after this many writes: few enough commits to stay fast, and a crash
// loses at most one chunk of a walk (each record whole, old or new). A walk in an index's
// order touches a page of a large table for nearly every write, and a commit writes all
// of them at once, so a smaller chunk keeps the window's pause at a commit short.
constexpr int kWritesPerCommit = 5000;

// A batch's page cache in KiB: at least what a walk over a table of 100,000 entries needs,
// the file and its log with room to grow up to a million entries, never more.
constexpr qint64 kLeastBatchCache = 64 * 1024;
constexpr qint64 kMostBatchCache = 768 * 1024;

// The page cache in KiB while indexes are built: the engine sorts an index's keys in runs of
// this size, each on a helper thread while the table is read on, then merges them. Runs that
// fit the processor's cache sort fastest: a million entries import faster with 2 MB runs than
// with 16 MB runs, which beat one sort of all the keys on one thread.
constexpr qint64 kIndexSortCache = 2 * 1024;

QHash<QString, std::weak_ptr<Database>>& openDatabases() {
    static QHash<QString, std::weak_ptr<Database>> databases;
    return databases;
}

} // namespace

QByteArray batchCacheSetting(const QString& path) {
    const qint64 fileKiB =
        (QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size()) / 1024;
    const qint64 cache = std::clamp(fileKiB + fileKiB / 4, kLeastBatchCache, kMostBatchCache);
    return "PRAGMA cache_size = -" + QByteArray::number(cache);
}

std::shared_ptr<Database> Database::open(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw Error(QStringLiteral("Tabulka %1 neexistuje.").arg(QDir::toNativeSeparators(path)));
    const QString canonical = info.canonicalFilePath();
    if (auto shared = openDatabases().value(canonical).lock())
        return shared;

    std::shared_ptr<Database> db(new Database(canonical));
    openDatabases().insert(canonical, db);
    return db;
}

Database::Database(QString path)
    : m_path(std::move(path)) {
    m_db = openConnection(m_path, false);
    try {
        // Reading the kind first tells which steps an older file needs.
        const TableSchema found = TableSchema::read(m_db, m_path);
        const TableKind* kind = findTableKind(found.kind);
        if (found.version < kind->latestVersion()) {
            migrateTableFile(m_db, QFileInfo(m_path).fileName(), kind->migrations);
            m_schema = TableSchema::read(m_db, m_path);
        } else {
            m_schema = found;
        }
        m_recordSql = std::make_unique<RecordSql>(m_schema);
    } catch (...) {
        sqlite3_close(m_db);
        throw;
    }
}

Database::~Database() {
    if (m_checkpoint.valid())
        m_checkpoint.wait();
    for (const std::vector<sqlite3_stmt*>& statements : m_freeStatements) {
        for (sqlite3_stmt* stmt : statements)
            sqlite3_finalize(stmt);
    }
    if (m_batchDepth > 0)
        sqlite3_exec(m_db, m_wholeBatch ? "ROLLBACK" : "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(m_db);
    openDatabases().remove(m_path);
}

void Database::execute(const char* sql) {
    if (const int code = m_ticking ? executeWhileTicking(sql)
                                   : sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
        code != SQLITE_OK) {
        Error error = engineError(m_db, code, m_path);
        checkTransactionSurvived();
        throw error;
    }
}

sqlite3_stmt* Database::takeStatement(const QString& sql) {
    if (const auto free = m_freeStatements.find(sql);
        free != m_freeStatements.end() && !free->empty()) {
        sqlite3_stmt* stmt = free->back();
        free->pop_back();
        return stmt;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (const int code = sqlite3_prepare_v3(m_db, utf8.constData(), static_cast<int>(utf8.size()),
                                            SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
        code != SQLITE_OK)
        throw engineError(m_db, code, m_path);
    return stmt;
}

void Database::returnStatement(const QString& sql, sqlite3_stmt* stmt) {
    m_freeStatements[sql].push_back(stmt);
}

int Database::addChangeListener(ChangeListener listener) {
    const int id = m_nextListenerId++;
    m_listeners.emplace_back(id, std::move(listener));
    return id;
}

void Database::removeChangeListener(int id) {
    std::erase_if(m_listeners, [id](const auto& entry) { return entry.first == id; });
}

void Database::noteChange(int writerListenerId) {
    ++m_generation;
    if (m_listeners.size() < 2)
        return; // only the writer listens
    // Copy: a listener may add or remove listeners.
    const auto listeners = m_listeners;
    for (const auto& [id, listener] : listeners) {
        if (id != writerListenerId)
            listener();
    }
}

QByteArray indexBuildSettings() {
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 2u, 8u);
    return "PRAGMA threads = " + QByteArray::number(threads) + "; PRAGMA cache_size = -" +
           QByteArray::number(kIndexSortCache);
}

void Database::beginBatch(bool whole, bool forced) {
    if (m_batchDepth++ == 0) {
        // Within a batch the log is not copied back into the file, and a batch in chunks
        // does not force its commits to disk: a killed process still keeps every commit,
        // and the batch's end makes all of it durable at once. A whole batch has one
        // commit, forced to disk so that what it reports kept is kept, unless the caller
        // leaves that to the checkpoint after it as with chunks.
        execute(batchCacheSetting(m_path).constData());
        execute(whole && forced ? "PRAGMA wal_autocheckpoint = 0"
                                : "PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = 0");
        execute("BEGIN IMMEDIATE");
        m_wholeBatch = whole;
        m_writesInChunk = 0;
        m_batchWrites = 0;
    }
}

void Database::endBatch() {
    if (m_batchDepth == 0 || --m_batchDepth > 0)
        return;
    try {
        buildIndexes(m_deferredIndexes);
        if (inTransaction())
            execute("COMMIT");
    } catch (const Error&) {
        if (inTransaction())
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        leaveBatchSettings();
        noteChange(0);
        throw;
    }
    leaveBatchSettings();
}

void Database::abandonBatch() {
    if (!m_wholeBatch) {
        endBatch();
        return;
    }
    if (m_batchDepth == 0 || --m_batchDepth > 0)
        return;
    if (inTransaction())
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    leaveBatchSettings();
    noteChange(0); // every cursor reads the table as it was before the batch
}

void Database::deferIndexes() {
    Q_ASSERT(m_batchDepth > 0 && m_wholeBatch);
    if (m_deferredIndexes.empty())
        dropIndexes({}, m_deferredIndexes);
}

void Database::dropIndexes(const QString& field, std::vector<QByteArray>& creations) {
    std::vector<QString> names;
    {
        // With a field: the indexes that hold it, never a unique one.
        Query indexes(
            *this, field.isEmpty()
                       ? QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = "
                                        "'index' AND tbl_name = 'records' AND sql NOT NULL")
                       : QStringLiteral("SELECT m.name, m.sql FROM sqlite_master m WHERE m.type = "
                                        "'index' AND m.tbl_name = 'records' AND m.sql NOT NULL AND "
                                        "m.sql NOT LIKE 'CREATE UNIQUE%' AND EXISTS (SELECT 1 FROM "
                                        "pragma_index_info(m.name) i WHERE i.name = ?1)"));
        if (!field.isEmpty())
            indexes.bind(1, field);
        while (indexes.next()) {
            names.push_back(indexes.text(0));
            creations.push_back(indexes.text(1).toUtf8());
        }
    }
    for (const QString& name : names)
        execute((QStringLiteral("DROP INDEX ") + quotedName(name)).toUtf8().constData());
}

void Database::buildIndexes(std::vector<QByteArray>& creations) {
    // Taken first: a failed build rolls the batch or unit back, which puts the old indexes
    // back.
    const std::vector<QByteArray> statements = std::exchange(creations, {});
    if (statements.empty())
        return;
    QByteArray before = "PRAGMA threads = 0; PRAGMA cache_size = ";
    {
        Query cacheSize(*this, QStringLiteral("PRAGMA cache_size"));
        cacheSize.next();
        before += QByteArray::number(cacheSize.int64(0));
    }
    execute(indexBuildSettings().constData());
    try {
        for (const QByteArray& statement : statements)
            execute(statement.constData());
    } catch (const Error&) {
        sqlite3_exec(m_db, before.constData(), nullptr, nullptr, nullptr);
        throw;
    }
    execute(before.constData());
}

void Database::leaveBatchSettings() {
    m_deferredIndexes.clear(); // built, or dropped no more since the batch was undone
    // Settings that cannot be put back cost speed, never data: the failure is not raised.
    sqlite3_exec(m_db,
                 "PRAGMA synchronous = FULL; PRAGMA wal_autocheckpoint = 1000;"
                 "PRAGMA cache_size = -8192",
                 nullptr, nullptr, nullptr);
    checkpointInBackground();
}

void Database::checkpointInBackground() {
    // Copying a long walk's log back into the file takes a noticeable moment; a connection
    // of its own does it on another thread, so that the window goes on at once. Readers
    // and writers of this connection do not wait for it.
    if (m_checkpoint.valid())
        m_checkpoint.wait();
    m_checkpoint = std::async(std::launch::async, [path = m_path] {
        try {
            sqlite3* db = openConnection(path, false);
            sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
            sqlite3_close(db);
        } catch (const Error&) {
            // Left for the next automatic checkpoint: nothing is lost, the log stays.
        }
    });
}

void Database::setProgressHandler(int (*handler)(void*), void* context) {
    constexpr int kStepsBetweenCalls = 2000; // a few microseconds
    sqlite3_progress_handler(m_db, handler ? kStepsBetweenCalls : 0, handler, context);
    m_ticking = handler != nullptr;
    m_progressHandler = handler;
    m_progressContext = context;
}

int Database::executeWhileTicking(const char* sql) {
    // A statement of one long step (an index's sort, a commit writing the log) runs on a
    // thread of its own while this one goes on calling the handler; nothing else uses the
    // connection meanwhile.
    constexpr auto kLookEvery = std::chrono::milliseconds(10);
    auto run = std::async(std::launch::async, [this, sql] {
        return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    });
    while (run.wait_for(kLookEvery) != std::future_status::ready)
        m_progressHandler(m_progressContext);
    return run.get();
}

void Database::noteWrite() {
    ++m_batchWrites;
    if (m_batchDepth == 0 || m_wholeBatch)
        return;
    // A unit's writes count towards the chunk that commits after it.
    if (++m_writesInChunk >= kWritesPerCommit && m_unitDepth == 0)
        commitAndContinue();
}

void Database::beginUnit() {
    execute("SAVEPOINT unit");
    ++m_unitDepth;
}

void Database::endUnit() {
    buildIndexes(m_unitIndexes);
    execute("RELEASE unit");
    --m_unitDepth;
    if (m_batchDepth > 0 && !m_wholeBatch && m_writesInChunk >= kWritesPerCommit)
        commitAndContinue();
}

void Database::abandonUnit() {
    // The engine may have undone the transaction already (a full disk); then the unit is gone.
    sqlite3_exec(m_db, "ROLLBACK TO unit; RELEASE unit", nullptr, nullptr, nullptr);
    m_unitIndexes.clear();
    --m_unitDepth;
    checkTransactionSurvived();
}

void Database::deferIndexesOf(const QString& field) {
    Q_ASSERT(m_unitDepth > 0 || (m_batchDepth > 0 && m_wholeBatch));
    dropIndexes(field, m_unitDepth > 0 ? m_unitIndexes : m_deferredIndexes);
}

bool Database::inTransaction() const {
    return sqlite3_get_autocommit(m_db) == 0;
}

void Database::commitAndContinue() {
    execute("COMMIT");
    execute("BEGIN IMMEDIATE");
    m_writesInChunk = 0;
}

void Database::checkTransactionSurvived() {
    // After a full disk or an I/O error the engine may have rolled the batch back: the
    // records written since the last commit are gone, so every cursor must re-read.
    if (m_batchDepth > 0 && !inTransaction()) {
        m_batchDepth = 0;
        leaveBatchSettings();
        noteChange(0);
    }
}

ReadScope::ReadScope(Database& db)
    : m_db(db) {
    if (!db.inTransaction()) {
        Query(db, QStringLiteral("BEGIN")).exec();
        m_began = true;
    }
}

ReadScope::~ReadScope() {
    if (!m_began || !m_db.inTransaction())
        return;
    try {
        Query(m_db, QStringLiteral("COMMIT")).exec();
    } catch (const Error&) {
        // Ending a transaction that only read cannot lose anything.
    }
}

} // namespace store
