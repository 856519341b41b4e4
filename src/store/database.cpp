#include "store/database.h"

#include "store/error.h"
#include "store/query.h"
#include "store/tablefile.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <sqlite3.h>

#include <algorithm>
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

// The engine's steps between two heartbeats of an index build: a few milliseconds.
constexpr int kStepsPerHeartbeat = 10000;

int heartbeat(void* whileBuilding) {
    try {
        (*static_cast<const Database::Heartbeat*>(whileBuilding))();
        return 0; // go on
    } catch (...) {
        return 1; // no exception may cross the engine: the build stops, the batch fails
    }
}

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
    if (const int code = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); code != SQLITE_OK) {
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

void Database::beginBatch(bool whole) {
    if (m_batchDepth++ == 0) {
        // Within a batch the log is not copied back into the file, and a batch in chunks
        // does not force its commits to disk: a killed process still keeps every commit,
        // and the batch's end makes all of it durable at once. A whole batch has one
        // commit, forced to disk, so that what it reports kept is kept.
        execute(batchCacheSetting(m_path).constData());
        execute(whole ? "PRAGMA wal_autocheckpoint = 0"
                      : "PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = 0");
        execute("BEGIN IMMEDIATE");
        m_wholeBatch = whole;
        m_writesInChunk = 0;
    }
}

void Database::endBatch(const Heartbeat& whileBuilding) {
    if (m_batchDepth == 0 || --m_batchDepth > 0)
        return;
    try {
        rebuildDeferredIndexes(whileBuilding);
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
    if (!m_deferredIndexes.empty())
        return;
    std::vector<QString> names;
    {
        Query indexes(*this, QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = "
                                            "'index' AND tbl_name = 'records' AND sql NOT NULL"));
        while (indexes.next()) {
            names.push_back(indexes.text(0));
            m_deferredIndexes.push_back(indexes.text(1).toUtf8());
        }
    }
    for (const QString& name : names)
        execute((QStringLiteral("DROP INDEX ") + quotedName(name)).toUtf8().constData());
}

void Database::rebuildDeferredIndexes(const Heartbeat& whileBuilding) {
    // Taken first: a failed build rolls the batch back, which puts the old indexes back.
    const std::vector<QByteArray> statements = std::exchange(m_deferredIndexes, {});
    // The engine sorts each index in memory up to the size of the page cache, which the
    // batch chose when the table was smaller.
    execute(batchCacheSetting(m_path).constData());
    if (whileBuilding && !statements.empty())
        sqlite3_progress_handler(m_db, kStepsPerHeartbeat, heartbeat,
                                 const_cast<Heartbeat*>(&whileBuilding));
    const auto quiet = qScopeGuard([this] { sqlite3_progress_handler(m_db, 0, nullptr, nullptr); });
    for (const QByteArray& statement : statements)
        execute(statement.constData());
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

void Database::noteWrite() {
    if (m_batchDepth > 0 && !m_wholeBatch && ++m_writesInChunk >= kWritesPerCommit)
        commitAndContinue();
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
