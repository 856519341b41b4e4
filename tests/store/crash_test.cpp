#include "tablefixture.h"

#include "store/czechcollation.h"
#include "store/postbatch.h"

#include <QProcess>
#include <sqlite3.h>

namespace {

class CrashedProcess : public TableFixture {
protected:
    // Runs the walker, which kills itself; true when it died as planned.
    bool runWalker(const QStringList& arguments) {
        QProcess walker;
        walker.start(QStringLiteral(CRASH_WALKER), arguments);
        walker.waitForFinished(120000);
        return walker.exitStatus() == QProcess::CrashExit;
    }

    // Integrity check and a count of records by their Pom value, read with plain SQLite.
    struct FileState {
        QString integrity;
        int total = 0;
        int old = 0;
        int walked = 0;
    };
    FileState inspect() {
        FileState state;
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(pathOf(QStringLiteral("dictonary.db"))).constData(), &db);
        store::registerCzechCollation(db);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr);
        if (sqlite3_step(stmt) == SQLITE_ROW)
            state.integrity =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        sqlite3_prepare_v2(
            db, "SELECT count(*), count(Pom IS 0 OR NULL), count(Pom IS 1 OR NULL) FROM records",
            -1, &stmt, nullptr);
        if (sqlite3_step(stmt) == SQLITE_ROW) {
            state.total = sqlite3_column_int(stmt, 0);
            state.old = sqlite3_column_int(stmt, 1);
            state.walked = sqlite3_column_int(stmt, 2);
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return state;
    }

    void fillDictionary(int words) {
        auto dictionary = openTable(QStringLiteral("dictonary"));
        store::PostBatch batch(*dictionary);
        for (int i = 0; i < words; ++i)
            dictionary->appendRecord({QStringLiteral("slovo %1").arg(i),
                                      QStringLiteral("word %1").arg(i), i % 100, 0, 0, QString(),
                                      0});
        batch.finish();
    }
};

TEST_F(CrashedProcess, PostedRecordSurvivesAKillRightAfterThePost) {
    fillDictionary(10);
    ASSERT_TRUE(runWalker({QStringLiteral("post"), folder()}));
    const FileState state = inspect();
    EXPECT_EQ(state.integrity, QStringLiteral("ok"));
    EXPECT_EQ(state.total, 11);
}

TEST_F(CrashedProcess, KillInTheMiddleOfAWalkLeavesWholeRecordsAndASoundFile) {
    constexpr int kWords = 9000;
    fillDictionary(kWords);
    ASSERT_TRUE(runWalker({QStringLiteral("walk"), folder(), QString::number(kWords / 2 + 123)}));
    const FileState state = inspect();
    EXPECT_EQ(state.integrity, QStringLiteral("ok"));
    EXPECT_EQ(state.total, kWords);
    EXPECT_EQ(state.old + state.walked, kWords) << "every record old or new";
    EXPECT_LT(state.walked, kWords / 2 + 123) << "what was posted after the last commit is gone";

    // The file opens and the walk can be done again, to the end this time.
    ASSERT_FALSE(runWalker({QStringLiteral("walk"), folder(), QString::number(kWords + 1)}));
    EXPECT_EQ(inspect().walked, kWords);
}

} // namespace
