#pragma once

#include "store/czechcollation.h"

#include <QFile>
#include <QString>
#include <sqlite3.h>

// A table file read and written past the store, as another program or a damaged disk would.
inline sqlite3* rawOpen(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    store::registerCzechCollation(db);
    return db;
}

// The first value of the first row; an empty text when there is none.
inline QString rawQuery(const QString& path, const char* sql) {
    sqlite3* db = rawOpen(path);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    QString value;
    if (sqlite3_step(stmt) == SQLITE_ROW)
        value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return value;
}

inline int rawExecute(const QString& path, const char* sql) {
    sqlite3* db = rawOpen(path);
    const int result = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return result;
}

// Overwrites the page header of the records' root page, as a failing disk would: every
// reading of the records, and SQLite's integrity check, then find the file malformed.
inline void damageRecords(const QString& path) {
    const qint64 page =
        rawQuery(path, "SELECT rootpage FROM sqlite_master WHERE name = 'records'").toLongLong();
    const qint64 pageSize = rawQuery(path, "PRAGMA page_size").toLongLong();
    QFile file(path);
    if (file.open(QIODevice::ReadWrite) && file.seek((page - 1) * pageSize))
        file.write(QByteArray(16, '\xff'));
}
