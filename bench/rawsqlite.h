#pragma once

#include <QString>

#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace bench {

// A connection of SQLite used directly, set up as the table store sets up its own:
// the Czech collation, WAL with full sync and the same page cache. Failures throw
// std::runtime_error with the engine's message.
class RawConnection {
public:
    explicit RawConnection(const QString& path);
    ~RawConnection();
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    sqlite3* handle() const { return m_db; }
    void execute(const char* sql);
    [[noreturn]] void fail() const;

private:
    sqlite3* m_db = nullptr;
};

// A statement prepared once and reused: bind, step, read, reset.
class RawStatement {
public:
    RawStatement(RawConnection& connection, const char* sql);
    ~RawStatement();
    RawStatement(const RawStatement&) = delete;
    RawStatement& operator=(const RawStatement&) = delete;

    void bind(int position, long long value);
    void bind(int position, std::string_view utf8);
    void bindNull(int position);
    // Steps once: true while there is a row; reset() makes it ready for the next use.
    bool step();
    void reset();

    long long integer(int column) const;
    std::string_view text(int column) const;

private:
    RawConnection& m_connection;
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace bench
