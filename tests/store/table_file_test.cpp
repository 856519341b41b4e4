#include "scratchfolder.h"

#include "store/error.h"
#include "store/postbatch.h"
#include "store/tablecheck.h"
#include "store/tablekinds.h"

#include "rawsqlite.h"

namespace {

using store::Cursor;
using store::Error;

class TableFiles : public ScratchTest {
protected:
    // Opening the file must fail with a message; returns it.
    QString openFailure(const QString& fileName) {
        Cursor cursor;
        cursor.setDatabaseName(folder.path());
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

    QByteArray filledDictionary(int words) {
        auto dictionary = folder.table(u"dictonary"_s);
        store::PostBatch batch(*dictionary);
        for (int i = 0; i < words; ++i)
            dictionary->appendRecord({u"slovo %1"_s.arg(i), u"word %1"_s.arg(i), i % 10});
        batch.finish();
        dictionary->close();
        return folder.read(u"dictonary.db"_s);
    }

    void execute(const QString& fileName, const char* sql) {
        EXPECT_EQ(rawExecute(folder.path(fileName), sql), SQLITE_OK) << sql;
    }
};

TEST_F(TableFiles, MissingForeignAndNewerFilesAreRefusedNamingWhy) {
    EXPECT_TRUE(openFailure(u"nothere.db"_s).contains(u"nothere.db"_s));
    EXPECT_FALSE(QFile::exists(folder.path(u"nothere.db"_s)));

    execute(u"other.db"_s, "CREATE TABLE t (x)");
    EXPECT_TRUE(openFailure(u"other.db"_s).contains(u"není tabulkou"_s));

    folder.table(u"runzn"_s)->close();
    execute(u"runzn.db"_s, "PRAGMA user_version = 99");
    EXPECT_TRUE(openFailure(u"runzn.db"_s).contains(u"novější verze"_s));
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
        folder.write(QString::fromLatin1(damage.name), damage.bytes);
        EXPECT_FALSE(openFailure(QString::fromLatin1(damage.name)).isEmpty()) << damage.name;
    }
}

TEST_F(TableFiles, LockedFileIsAnErrorNotAHang) {
    folder.table(u"user"_s)->close();
    sqlite3* holder = rawOpen(folder.path(u"user.db"_s));
    ASSERT_EQ(sqlite3_exec(holder, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    EXPECT_TRUE(openFailure(u"user.db"_s).contains(u"locked"_s));
    sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
}

TEST_F(TableFiles, CreatingNeverOverwrites) {
    auto users = folder.table(u"user"_s);
    users->appendRecord({u"administrator"_s, QString()});
    EXPECT_THROW(store::createTableFile(folder.path(u"user.db"_s), u"user"_s), Error);
    EXPECT_EQ(users->recordCount(), 1);
    EXPECT_THROW(store::createTableFile(folder.path(u"x.db"_s), u"nosuchkind"_s), Error);
}

// The migration steps of a table kind, tried on a real file.
class TableMigration : public TableFiles {
protected:
    void SetUp() override {
        auto runtime = folder.table(u"runtime"_s);
        runtime->appendRecord({u"pes"_s, u"pes"_s, 2});
        runtime->close();
        db = rawOpen(folder.path(u"runtime.db"_s));
    }
    void TearDown() override { sqlite3_close(db); }

    int queryInt(const char* sql) { return rawQuery(folder.path(u"runtime.db"_s), sql).toInt(); }
    int version() { return queryInt("PRAGMA user_version"); }
    int columnCount() { return queryInt("SELECT count(*) FROM pragma_table_info('records')"); }

    sqlite3* db = nullptr;
};

TEST_F(TableMigration, StepsApplyInOrderOnceAndKeepTheRecords) {
    const int columns = columnCount();
    const int from = version();
    const std::vector<store::Migration> steps = {
        {from + 1, "ALTER TABLE records ADD COLUMN Poznamka TEXT"},
        {from + 2, "UPDATE records SET Poznamka = 'migrated'"},
    };
    EXPECT_EQ(store::migrateTableFile(db, u"runtime.db"_s, steps), from + 2);
    EXPECT_EQ(version(), from + 2);
    EXPECT_EQ(columnCount(), columns + 1);
    EXPECT_EQ(store::migrateTableFile(db, u"runtime.db"_s, steps), from + 2)
        << "again: nothing to do";

    EXPECT_EQ(
        rawQuery(folder.path(u"runtime.db"_s), "SELECT Otazka || ' ' || Poznamka FROM records"),
        u"pes migrated"_s);
}

TEST_F(TableMigration, FailingStepOrAGapLeavesTheFileAsItWas) {
    const int columns = columnCount();
    const int from = version();
    const std::vector<store::Migration> steps = {
        {from + 1, "ALTER TABLE records ADD COLUMN Poznamka TEXT"},
        {from + 2, "UPDATE nosuchtable SET x = 1"},
    };
    EXPECT_THROW(store::migrateTableFile(db, u"runtime.db"_s, steps), Error);
    EXPECT_EQ(version(), from);
    EXPECT_EQ(columnCount(), columns);

    EXPECT_THROW(store::migrateTableFile(db, u"runtime.db"_s,
                                         std::vector<store::Migration>{{from + 2, "SELECT 1"}}),
                 Error)
        << "a gap in the steps";
    EXPECT_EQ(version(), from);
}

// The data check of one file: what each kind of damage is reported as.
struct CheckCase {
    const char* name;
    const char* damage;  // SQL run on the filled dictionary; "" for none
    const char* kind;    // the kind the file should hold
    const char* finding; // a part of the findings; "" when the file is in order
};

class TableFileCheck : public TableFiles, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(TableFileCheck, ReportsWhatIsWrongAndChangesNothing) {
    const CheckCase& c = GetParam();
    filledDictionary(100);
    if (*c.damage)
        execute(u"dictonary.db"_s, c.damage);
    if (c.name == std::string_view("CorruptPage"))
        damageRecords(folder.path(u"dictonary.db"_s));
    const QByteArray before = folder.read(u"dictonary.db"_s);
    const QStringList findings =
        store::checkTableFile(folder.path(u"dictonary.db"_s), QString::fromLatin1(c.kind)).findings;
    EXPECT_EQ(findings.join(u'|').contains(QString::fromUtf8(c.finding)), true)
        << findings.join(u'|').toStdString();
    EXPECT_EQ(findings.isEmpty(), !*c.finding) << findings.join(u'|').toStdString();
    EXPECT_EQ(folder.read(u"dictonary.db"_s), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableFileCheck,
    ::testing::Values(
        CheckCase{"Healthy", "", "dictonary", ""},
        CheckCase{"OldFormatWithoutTheNewOrderNames",
                  "DELETE FROM lexiton_indexes WHERE name = 'czechtoothernew'", "dictonary", ""},
        CheckCase{"CorruptPage", "", "dictonary", "soubor je poškozený"},
        CheckCase{"WrongKind", "", "exam",
                  "je tabulkou druhu „dictonary“, na tomto místě má "
                  "být „exam“"},
        CheckCase{"NewerVersion", "PRAGMA user_version = 7", "dictonary", "novější verze"},
        CheckCase{"MissingIndex", "DROP INDEX by_pom", "dictonary", "chybí index by_pom"},
        CheckCase{"UnknownOrder", "INSERT INTO lexiton_indexes VALUES ('x', 'Pom')", "dictonary",
                  "řazení „x“ (Pom) tento druh tabulky nezná"},
        CheckCase{"ForeignFile", "PRAGMA application_id = 1", "dictonary", "není tabulkou"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(TableFiles, CheckOfAMissingOrTextFileSaysItCannotBeRead) {
    EXPECT_TRUE(store::checkTableFile(folder.path(u"none.db"_s), u"user"_s)
                    .findings.join(QString())
                    .startsWith(u"soubor nelze otevřít"_s));
    folder.write(u"text.db"_s, "Czech\tOther\r\npes\tdog\r\n");
    EXPECT_TRUE(store::checkTableFile(folder.path(u"text.db"_s), u"user"_s)
                    .findings.join(QString())
                    .startsWith(u"soubor je poškozený"_s));
}

} // namespace
