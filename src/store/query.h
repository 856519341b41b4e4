#pragma once

#include <QString>
#include <QVariant>

#include <optional>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

class Database;

// One use of a prepared statement from the connection's cache: binds, steps, reads,
// and on failure raises store::Error with the engine's text (the full SQL goes to the
// log). The statement is reset and handed back to the cache when the query ends.
class Query {
public:
    Query(Database& db, const QString& sql);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Query& bind(int position, qint64 value);
    Query& bind(int position, const QString& text);
    Query& bindNull(int position);
    Query& bind(int position, const QVariant& value);

    // Makes the statement ready to run again with new bindings.
    void reset();

    // Steps once: true while there is a row to read.
    bool next();
    // Runs a statement that returns no rows.
    void exec();

    bool isNull(int column) const;
    qint64 int64(int column) const;
    QString text(int column) const;
    // The column's UTF-8 bytes, valid until the next step.
    std::string_view utf8(int column) const;
    // The same, none for NULL.
    std::optional<std::string_view> nullableUtf8(int column) const;
    // The column's integer, none for NULL.
    std::optional<qint64> nullableInt64(int column) const;

private:
    [[noreturn]] void fail(int code) const;

    Database& m_db;
    QString m_sql;
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace store
