#include "store/query.h"

#include "store/database.h"
#include "store/error.h"

#include <QLoggingCategory>
#include <sqlite3.h>

namespace store {

Q_LOGGING_CATEGORY(lcStatements, "lexiton.store.statements", QtWarningMsg)

Query::Query(Database& db, const QString& sql)
    : m_db(db)
    , m_sql(sql)
    , m_stmt(db.takeStatement(sql)) {}

Query::~Query() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    m_db.returnStatement(m_sql, m_stmt);
}

Query& Query::bind(int position, qint64 value) {
    sqlite3_bind_int64(m_stmt, position, value);
    return *this;
}

Query& Query::bind(int position, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(m_stmt, position, utf8.constData(), static_cast<int>(utf8.size()),
                      SQLITE_TRANSIENT);
    return *this;
}

Query& Query::bindNull(int position) {
    sqlite3_bind_null(m_stmt, position);
    return *this;
}

Query& Query::bind(int position, const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return bindNull(position);
    if (value.typeId() == QMetaType::QString)
        return bind(position, value.toString());
    return bind(position, value.toLongLong());
}

void Query::reset() {
    sqlite3_reset(m_stmt);
}

bool Query::next() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(rc);
}

void Query::exec() {
    while (next()) {
    }
}

bool Query::isNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

qint64 Query::int64(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

QString Query::text(int column) const {
    const std::string_view bytes = utf8(column);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string_view Query::utf8(int column) const {
    return nullableUtf8(column).value_or(std::string_view("", 0));
}

// The column's value is read through one call to the engine instead of one per question.
// The engine leaves such a value unguarded by the connection's mutex, which is safe here: our
// connections have none, being used by one thread at a time.
std::optional<std::string_view> Query::nullableUtf8(int column) const {
    sqlite3_value* value = sqlite3_column_value(m_stmt, column);
    // As a blob, the engine hands out the stored bytes; as text, it first copies them to end
    // them with a zero.
    if (const void* bytes = sqlite3_value_blob(value))
        return std::string_view(static_cast<const char*>(bytes),
                                static_cast<size_t>(sqlite3_value_bytes(value)));
    if (sqlite3_value_type(value) == SQLITE_NULL)
        return std::nullopt;
    return std::string_view("", 0); // an empty text, not a missing one
}

std::optional<qint64> Query::nullableInt64(int column) const {
    sqlite3_value* value = sqlite3_column_value(m_stmt, column);
    if (sqlite3_value_type(value) == SQLITE_NULL)
        return std::nullopt;
    return sqlite3_value_int64(value);
}

void Query::fail(int code) const {
    // The user hears of the failure once, from whoever catches it; the statement is for the
    // developer who switches the category on.
    Error error = engineError(m_db.handle(), code, m_db.path());
    qCDebug(lcStatements).noquote() << error.message() << "statement:" << m_sql;
    m_db.checkTransactionSurvived();
    throw error;
}

} // namespace store
