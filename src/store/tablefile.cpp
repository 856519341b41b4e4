#include "store/tablefile.h"

#include "store/czechcollation.h"
#include "store/error.h"
#include "store/tableschema.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace store {
namespace {

void execOrThrow(sqlite3* db, const char* sql) {
    if (const int code = sqlite3_exec(db, sql, nullptr, nullptr, nullptr); code != SQLITE_OK)
        throw engineError(db, code, connectionPath(db));
}

int userVersion(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    int version = 0;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return version;
}

constexpr const char* kCatalogSql =
    "CREATE TABLE lexiton_meta (key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE lexiton_indexes (name TEXT PRIMARY KEY, fields TEXT NOT NULL) WITHOUT ROWID;";

} // namespace

sqlite3* openConnection(const QString& path, bool mayCreate) {
    sqlite3* db = nullptr;
    const int flags =
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (mayCreate ? SQLITE_OPEN_CREATE : 0);
    if (const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
        code != SQLITE_OK) {
        const Error error = engineError(db, code, path);
        sqlite3_close(db);
        throw error;
    }
    try {
        registerCzechCollation(db);
        sqlite3_busy_timeout(db, 2000);
        execOrThrow(db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL;"
                        "PRAGMA cache_size = -8192; PRAGMA foreign_keys = OFF;");
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    return db;
}

void writeTableSchema(sqlite3* db, const TableKind& kind, int version) {
    execOrThrow(db, "BEGIN");
    try {
        execOrThrow(db, kCatalogSql);
        execOrThrow(db, QStringLiteral("INSERT INTO lexiton_meta VALUES ('table', '%1');"
                                       "PRAGMA application_id = %2;")
                            .arg(kind.name)
                            .arg(kApplicationId)
                            .toUtf8()
                            .constData());
        execOrThrow(db, kind.firstSchemaSql().constData());
        for (const Migration& step : kind.migrations) {
            if (step.toVersion <= version)
                execOrThrow(db, step.sql);
        }
        execOrThrow(db,
                    QStringLiteral("PRAGMA user_version = %1").arg(version).toUtf8().constData());
        execOrThrow(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void createTableFile(const QString& path, const QString& kindName) {
    const TableKind* kind = findTableKind(kindName);
    if (!kind)
        throw Error(QStringLiteral("Neznámý druh tabulky %1.").arg(kindName));
    if (QFileInfo::exists(path))
        throw Error(QStringLiteral("Soubor %1 již existuje.").arg(path));

    sqlite3* db = openConnection(path, true);
    try {
        writeTableSchema(db, *kind, 1);
        migrateTableFile(db, QFileInfo(path).fileName(), kind->migrations);
    } catch (...) {
        sqlite3_close(db);
        QFile::remove(path);
        throw;
    }
    sqlite3_close(db);
}

int migrateTableFile(sqlite3* db, const QString& fileName, std::span<const Migration> steps) {
    int version = userVersion(db);
    const auto pending = [&] {
        for (const Migration& step : steps) {
            if (step.toVersion > version)
                return true;
        }
        return false;
    };
    if (!pending())
        return version;

    execOrThrow(db, "BEGIN IMMEDIATE");
    try {
        for (const Migration& step : steps) {
            if (step.toVersion <= version)
                continue;
            if (step.toVersion != version + 1)
                throw Error(QStringLiteral("Tabulce %1 chybí krok převodu na verzi %2.")
                                .arg(fileName)
                                .arg(version + 1));
            execOrThrow(db, step.sql);
            version = step.toVersion;
        }
        execOrThrow(db,
                    QStringLiteral("PRAGMA user_version = %1").arg(version).toUtf8().constData());
        execOrThrow(db, "COMMIT");
    } catch (const Error& error) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw Error(QStringLiteral("Tabulku %1 nelze převést na novou verzi: %2")
                        .arg(fileName, error.message()));
    }
    return version;
}

} // namespace store
