#pragma once

#include "store/cursor.h"
#include "store/tablefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

// A temporary folder for tests of files and tables: paths are relative to it, folders on
// the way are made, tables come from the program's own schemas.
class ScratchFolder {
public:
    QString path() const { return m_dir.path(); }
    QString path(const QString& relative) const { return QDir(m_dir.path()).filePath(relative); }

    // Returns the full path of the written file.
    QString write(const QString& relative, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
        file.write(bytes);
        return path(relative);
    }
    // Empty when the file cannot be read.
    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Creates the table file of the kind at the relative path.
    void createTable(const QString& relative, const QString& kind) const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        store::createTableFile(path(relative), kind);
    }
    // A cursor of its own, open on the table file.
    std::unique_ptr<store::Cursor> openTable(const QString& relative) const {
        auto cursor = std::make_unique<store::Cursor>();
        cursor->setDatabaseName(QFileInfo(path(relative)).path());
        cursor->setTableName(QFileInfo(relative).fileName());
        cursor->open();
        return cursor;
    }
    // A cursor on <kind>.db in the folder, created at the first call.
    std::unique_ptr<store::Cursor> table(const QString& kind) const {
        if (!QFile::exists(path(kind + u".db"_s)))
            createTable(kind + u".db"_s, kind);
        return openTable(kind + u".db"_s);
    }

private:
    QTemporaryDir m_dir;
};

// The current record's fields as texts joined by '|'.
inline QString recordText(store::Cursor& cursor, const QStringList& fields) {
    QStringList values;
    for (const QString& field : fields)
        values << cursor.field(field).asString();
    return values.join(u'|');
}

// Every record of the cursor's view as recordText, in view order.
inline QStringList tableRows(store::Cursor& cursor, const QStringList& fields) {
    QStringList rows;
    for (cursor.first(); !cursor.eof(); cursor.next())
        rows << recordText(cursor, fields);
    return rows;
}

// Edits the current record, sets the given fields and posts.
inline void postFields(store::Cursor& cursor,
                       std::initializer_list<std::pair<QString, QVariant>> values) {
    cursor.edit();
    for (const auto& [name, value] : values)
        cursor.field(name).setValue(value);
    cursor.post();
}

// Appends dictionary entries (Czech, Other, Lekce).
inline void addWords(store::Cursor& dictionary,
                     std::initializer_list<std::tuple<const char*, const char*, int>> words) {
    for (const auto& [czech, other, lesson] : words)
        dictionary.appendRecord({QString::fromUtf8(czech), QString::fromUtf8(other), lesson});
}

// A test with a scratch folder of its own.
class ScratchTest : public ::testing::Test {
protected:
    ScratchFolder folder;
};
