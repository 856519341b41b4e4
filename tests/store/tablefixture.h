#pragma once

#include "store/cursor.h"
#include "store/tablefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

// A temporary folder with table files made from the program's own schemas.
class TableFixture : public ::testing::Test {
protected:
    QString folder() const { return m_dir.path(); }
    QString pathOf(const QString& fileName) const { return QDir(m_dir.path()).filePath(fileName); }

    // Creates <kind>.db in the folder (once) and returns an open cursor on it.
    std::unique_ptr<store::Cursor> openTable(const QString& kind) {
        const QString fileName = kind + QStringLiteral(".db");
        if (!QFile::exists(pathOf(fileName)))
            store::createTableFile(pathOf(fileName), kind);
        auto cursor = std::make_unique<store::Cursor>();
        cursor->setDatabaseName(folder());
        cursor->setTableName(fileName);
        cursor->open();
        return cursor;
    }

    // Appends dictionary entries (Czech, Other, Lekce).
    static void addWords(store::Cursor& dictionary,
                         std::initializer_list<std::tuple<const char*, const char*, int>> words) {
        for (const auto& [czech, other, lesson] : words)
            dictionary.appendRecord({QString::fromUtf8(czech), QString::fromUtf8(other), lesson});
    }

    // Edits the current record, sets the given fields and posts.
    static void postFields(store::Cursor& cursor,
                           std::initializer_list<std::pair<QString, QVariant>> values) {
        cursor.edit();
        for (const auto& [name, value] : values)
            cursor.field(name).setValue(value);
        cursor.post();
    }

    // The values of one field over the whole view, in view order.
    static QStringList column(store::Cursor& cursor, const QString& fieldName) {
        QStringList values;
        for (cursor.first(); !cursor.eof(); cursor.next())
            values << cursor.field(fieldName).asString();
        return values;
    }

private:
    QTemporaryDir m_dir;
};
