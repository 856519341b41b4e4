#include "rawsqlite.h"

#include "store/czechcollation.h"

#include <QFile>
#include <sqlite3.h>

#include <stdexcept>

namespace bench {

RawConnection::RawConnection(const QString& path) {
    const QByteArray nativePath = QFile::encodeName(path);
    if (sqlite3_open_v2(nativePath.constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        const std::string message = sqlite3_errmsg(m_db);
        sqlite3_close(m_db);
        throw std::runtime_error(message);
    }
    store::registerCzechCollation(m_db);
    execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL; PRAGMA cache_size = -8192;");
}

RawConnection::~RawConnection() {
    sqlite3_close(m_db);
}

void RawConnection::execute(const char* sql) {
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail();
}

void RawConnection::fail() const {
    throw std::runtime_error(sqlite3_errmsg(m_db));
}

RawStatement::RawStatement(RawConnection& connection, const char* sql)
    : m_connection(connection) {
    if (sqlite3_prepare_v3(connection.handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &m_stmt,
                           nullptr) != SQLITE_OK)
        connection.fail();
}

RawStatement::~RawStatement() {
    sqlite3_finalize(m_stmt);
}

void RawStatement::bind(int position, long long value) {
    sqlite3_bind_int64(m_stmt, position, value);
}

void RawStatement::bind(int position, std::string_view utf8) {
    sqlite3_bind_text(m_stmt, position, utf8.data(), static_cast<int>(utf8.size()), SQLITE_STATIC);
}

void RawStatement::bindNull(int position) {
    sqlite3_bind_null(m_stmt, position);
}

bool RawStatement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        m_connection.fail();
    return false;
}

void RawStatement::reset() {
    sqlite3_reset(m_stmt);
}

long long RawStatement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

std::string_view RawStatement::text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return {bytes ? bytes : "", static_cast<size_t>(sqlite3_column_bytes(m_stmt, column))};
}

} // namespace bench
