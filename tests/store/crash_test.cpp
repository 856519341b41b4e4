#include "scratchfolder.h"

#include "rawsqlite.h"
#include "store/postbatch.h"

#include <QProcess>

namespace {

class CrashedProcess : public ScratchTest {
protected:
    // Runs the walker, which kills itself; true when it died as planned.
    bool runWalker(const QStringList& arguments) {
        QProcess walker;
        walker.start(QStringLiteral(CRASH_WALKER), arguments);
        walker.waitForFinished(120000);
        return walker.exitStatus() == QProcess::CrashExit;
    }

    int count(const char* sql) { return query(sql).toInt(); }
    QString query(const char* sql) { return rawQuery(folder.path(u"dictonary.db"_s), sql); }

    void fillDictionary(int words) {
        auto dictionary = folder.table(u"dictonary"_s);
        store::PostBatch batch(*dictionary);
        for (int i = 0; i < words; ++i)
            dictionary->appendRecord(
                {u"slovo %1"_s.arg(i), u"word %1"_s.arg(i), i % 100, 0, 0, QString(), 0});
        batch.finish();
    }
};

TEST_F(CrashedProcess, PostedRecordSurvivesAKillRightAfterThePost) {
    fillDictionary(10);
    ASSERT_TRUE(runWalker({u"post"_s, folder.path()}));
    EXPECT_EQ(query("PRAGMA integrity_check"), u"ok"_s);
    EXPECT_EQ(count("SELECT count(*) FROM records"), 11);
}

TEST_F(CrashedProcess, KillInTheMiddleOfAWalkLeavesWholeRecordsInAHealthyFile) {
    constexpr int kWords = 9000;
    fillDictionary(kWords);
    ASSERT_TRUE(runWalker({u"walk"_s, folder.path(), QString::number(kWords / 2 + 123)}));
    EXPECT_EQ(query("PRAGMA integrity_check"), u"ok"_s);
    EXPECT_EQ(count("SELECT count(*) FROM records"), kWords);
    const int walked = count("SELECT count(*) FROM records WHERE Pom IS 1");
    EXPECT_EQ(count("SELECT count(*) FROM records WHERE Pom IS 0") + walked, kWords)
        << "every record old or new";
    EXPECT_LT(walked, kWords / 2 + 123) << "what was posted after the last commit is gone";

    // The file opens and the walk can be done again, to the end this time.
    ASSERT_FALSE(runWalker({u"walk"_s, folder.path(), QString::number(kWords + 1)}));
    EXPECT_EQ(count("SELECT count(*) FROM records WHERE Pom IS 1"), kWords);
}

} // namespace
