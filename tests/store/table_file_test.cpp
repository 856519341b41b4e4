#include "tablefixture.h"

#include "store/error.h"
#include "store/tablekinds.h"

#include <QFile>
#include <sqlite3.h>

namespace {

using store::Cursor;
using store::Error;

class TableFiles : public TableFixture {
protected:
    // Opening the file must fail with a message; returns it.
    QString openFailure(const QString& fileName) {
        Cursor cursor;
        cursor.setDatabaseName(folder());
        cursor.setTableName(fileName);
        try {
            cursor.open();
            cursor.last();
            cursor.field(0).asString();
        } catch (const Error& error) {
            EXPECT_FALSE(cursor.active() && cursor.recordCount() == 0)
                << "a damaged table must not look like an empty one";
            return error.message();
        }
        ADD_FAILURE() << fileName.toStdString() << " opened without an error";
        return {};
    }

    void writeFile(const QString& fileName, const QByteArray& bytes) {
        QFile file(pathOf(fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray filledDictionary(int words) {
        auto dictionary = openTable(QStringLiteral("dictonary"));
        for (int i = 0; i < words; ++i)
            dictionary->appendRecord(
                {QStringLiteral("slovo %1").arg(i), QStringLiteral("word %1").arg(i), i % 10});
        dictionary->close();
        QFile file(pathOf(QStringLiteral("dictonary.db")));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    static sqlite3* rawOpen(const QString& path) {
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &db);
        return db;
    }
};

TEST_F(TableFiles, MissingFileIsAnErrorNamingIt) {
    EXPECT_TRUE(openFailure(QStringLiteral("nothere.db")).contains(QStringLiteral("nothere.db")));
    EXPECT_FALSE(QFile::exists(pathOf(QStringLiteral("nothere.db"))));
}

TEST_F(TableFiles, DamagedFilesGiveTheEnginesText) {
    const QByteArray good = filledDictionary(2000);
    struct Damage {
        const char* name;
        QByteArray bytes;
    };
    QByteArray scribbled = good;
    for (qsizetype i = 4096; i < scribbled.size(); i += 4096)
        scribbled.replace(i + 8, 64, QByteArray(64, '\x5A'));
    for (const Damage& damage :
         {Damage{"empty.db", QByteArray()},
          Damage{"text.db", QByteArray("Czech\tOther\r\npes\tdog\r\n")},
          Damage{"header.db", good.left(100)}, Damage{"half.db", good.left(good.size() / 2)},
          Damage{"scribbled.db", scribbled}}) {
        const QString fileName = QString::fromLatin1(damage.name);
        writeFile(fileName, damage.bytes);
        EXPECT_FALSE(openFailure(fileName).isEmpty()) << damage.name;
    }
}

TEST_F(TableFiles, ForeignSqliteDatabaseIsNotATable) {
    sqlite3* db = rawOpen(pathOf(QStringLiteral("other.db")));
    sqlite3_exec(db, "CREATE TABLE t (x)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_TRUE(openFailure(QStringLiteral("other.db")).contains(QStringLiteral("není tabulkou")));
}

TEST_F(TableFiles, LockedFileIsAnErrorNotAHang) {
    openTable(QStringLiteral("user"))->close();
    sqlite3* holder = rawOpen(pathOf(QStringLiteral("user.db")));
    ASSERT_EQ(sqlite3_exec(holder, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    EXPECT_TRUE(openFailure(QStringLiteral("user.db")).contains(QStringLiteral("locked")));
    sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
}

TEST_F(TableFiles, FileFromANewerVersionIsRefused) {
    openTable(QStringLiteral("runzn"))->close();
    sqlite3* db = rawOpen(pathOf(QStringLiteral("runzn.db")));
    sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_TRUE(openFailure(QStringLiteral("runzn.db")).contains(QStringLiteral("novější verze")));
}

TEST_F(TableFiles, CreatingNeverOverwrites) {
    auto users = openTable(QStringLiteral("user"));
    users->appendRecord({QStringLiteral("administrator"), QString()});
    EXPECT_THROW(store::createTableFile(pathOf(QStringLiteral("user.db")), QStringLiteral("user")),
                 Error);
    EXPECT_EQ(users->recordCount(), 1);
    EXPECT_THROW(
        store::createTableFile(pathOf(QStringLiteral("x.db")), QStringLiteral("nosuchkind")),
        Error);
}

TEST_F(TableFiles, EveryKindRecordsItsKindAndVersion) {
    for (const store::TableKind& kind : store::tableKinds()) {
        auto table = openTable(kind.name);
        EXPECT_EQ(table->schema().kind, kind.name);
        EXPECT_EQ(table->schema().version, kind.latestVersion());
        EXPECT_FALSE(table->schema().fields.empty());
    }
}

TEST_F(TableFiles, OldFormatDictionaryLacksTheNewOrderName) {
    openTable(QStringLiteral("dictonary"))->close();
    sqlite3* db = rawOpen(pathOf(QStringLiteral("dictonary.db")));
    sqlite3_exec(db,
                 "DELETE FROM lexiton_indexes WHERE name IN ('czechtoothernew', 'othertoczechnew')",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    auto dictionary = openTable(QStringLiteral("dictonary"));
    EXPECT_FALSE(dictionary->indexNames().contains(QStringLiteral("czechtoothernew")));
    EXPECT_THROW(dictionary->setIndexName(QStringLiteral("czechtoothernew")), Error);
    dictionary->setIndexName(QStringLiteral("othertoczech"));
}

// The migration steps of a table kind, tried on a real file.
class TableMigration : public TableFiles {
protected:
    void SetUp() override {
        auto runtime = openTable(QStringLiteral("runtime"));
        runtime->appendRecord({QStringLiteral("pes"), QStringLiteral("pes"), 2});
        runtime->close();
        db = rawOpen(pathOf(QStringLiteral("runtime.db")));
    }
    void TearDown() override { sqlite3_close(db); }

    int version() {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &stmt, nullptr);
        sqlite3_step(stmt);
        const int value = sqlite3_column_int(stmt, 0);
        sqlite3_finalize(stmt);
        return value;
    }
    int columnCount() {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT count(*) FROM pragma_table_info('records')", -1, &stmt,
                           nullptr);
        sqlite3_step(stmt);
        const int value = sqlite3_column_int(stmt, 0);
        sqlite3_finalize(stmt);
        return value;
    }

    sqlite3* db = nullptr;
};

TEST_F(TableMigration, StepsApplyInOrderOnceAndKeepTheRecords) {
    const int columns = columnCount();
    const std::vector<store::Migration> steps = {
        {2, "ALTER TABLE records ADD COLUMN Poznamka TEXT"},
        {3, "UPDATE records SET Poznamka = 'migrated'"},
    };
    EXPECT_EQ(store::migrateTableFile(db, QStringLiteral("runtime.db"), steps), 3);
    EXPECT_EQ(version(), 3);
    EXPECT_EQ(columnCount(), columns + 1);
    EXPECT_EQ(store::migrateTableFile(db, QStringLiteral("runtime.db"), steps), 3)
        << "again: nothing to do";

    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT Otazka, Poznamka FROM records", -1, &stmt, nullptr);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "pes");
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)), "migrated");
    sqlite3_finalize(stmt);
}

TEST_F(TableMigration, FailingStepLeavesTheFileAsItWas) {
    const int columns = columnCount();
    const std::vector<store::Migration> steps = {
        {2, "ALTER TABLE records ADD COLUMN Poznamka TEXT"},
        {3, "UPDATE nosuchtable SET x = 1"},
    };
    EXPECT_THROW(store::migrateTableFile(db, QStringLiteral("runtime.db"), steps), Error);
    EXPECT_EQ(version(), 1);
    EXPECT_EQ(columnCount(), columns);
}

TEST_F(TableMigration, AGapInTheStepsIsRefused) {
    const std::vector<store::Migration> steps = {{3, "SELECT 1"}};
    EXPECT_THROW(store::migrateTableFile(db, QStringLiteral("runtime.db"), steps), Error);
    EXPECT_EQ(version(), 1);
}

} // namespace
