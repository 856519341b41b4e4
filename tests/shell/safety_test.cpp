#include "applicationfolder.h"
#include "rawsqlite.h"

#include "shell/datacheck.h"
#include "shell/safetycopies.h"
#include "shell/userlock.h"
#include "store/tablecheck.h"

#include <QCoreApplication>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// An application folder with the user eva and her dictionary "Angličtina" holding "pes".
class Safety : public ::testing::Test {
protected:
    Safety() {
        app.createTable(u"eva/Angličtina/dictonary.db"_s, u"dictonary"_s);
        addWord(u"pes"_s);
        app.write(u"eva/Angličtina/set.ini"_s, "language=Angli\xe8tina\r\n");
    }

    void addWord(const QString& czech) {
        app.openTable(u"eva/Angličtina/dictonary.db"_s)->appendRecord({czech, u"x"_s, 1});
    }
    QStringList words() {
        return tableRows(*app.openTable(u"eva/Angličtina/dictonary.db"_s), {u"Czech"_s});
    }
    static QDateTime at(int second) { return QDateTime(QDate(2026, 3, 12), QTime(14, 15, second)); }

    ApplicationFolder app{{{u"eva"_s, QString()}}};
    shell::SafetyCopies copies{app.path(u"eva/Angličtina"_s)};
};

TEST_F(Safety, CopiesKeepTheLastFiveAndOneIsPutBackAfterTheStateItReplaces) {
    copies.take(shell::BulkWork::Import, at(1));
    addWord(u"kočka"_s);
    app.write(u"eva/Angličtina/set.ini"_s, "language=N\xECm\xE8ina\r\n");
    for (int second = 2; second <= 6; ++second)
        copies.take(shell::BulkWork::Regeneration, at(second));
    std::vector<shell::SafetyCopy> kept = copies.list();
    ASSERT_EQ(kept.size(), 5u);
    EXPECT_EQ(kept.front().text(), u"12.3.2026 14:15:06 – před přegenerováním"_s);
    EXPECT_EQ(kept.back().time, at(2)) << "the first copy went";
    EXPECT_EQ(QDir(kept.back().folder).entryList(QDir::Files),
              (QStringList{u"dictonary.db"_s, u"set.ini"_s}));

    copies.take(shell::BulkWork::LessonChange, at(7));
    const shell::SafetyCopy oldest = copies.list().back();
    addWord(u"myš"_s);
    app.write(u"eva/Angličtina/set.ini"_s, "language=x\r\n");
    copies.restore(oldest, at(8));
    EXPECT_EQ(words(), (QStringList{u"kočka"_s, u"pes"_s}));
    EXPECT_EQ(app.read(u"eva/Angličtina/set.ini"_s), "language=N\xECm\xE8ina\r\n");
    kept = copies.list();
    ASSERT_EQ(kept.size(), 5u);
    EXPECT_EQ(kept.front().text(), u"12.3.2026 14:15:08 – před obnovením z bezpečnostní kopie"_s);
    copies.restore(kept.front(), at(9));
    EXPECT_EQ(words(), (QStringList{u"kočka"_s, u"myš"_s, u"pes"_s}));
    EXPECT_EQ(app.read(u"eva/Angličtina/set.ini"_s), "language=x\r\n");
    EXPECT_EQ(
        store::checkTableFile(app.path(u"eva/Angličtina/dictonary.db"_s), u"dictonary"_s).findings,
        QStringList());
}

TEST_F(Safety, ACopyLeftUnfinishedByAKilledProgramIsNeitherListedNorKept) {
    app.write(u"eva/backup/auto/Angličtina/20260312-141500000-import.part/dictonary.db.part"_s,
              "half a table");
    EXPECT_TRUE(copies.list().empty());
    copies.take(shell::BulkWork::Import, at(1));
    EXPECT_EQ(QDir(app.path(u"eva/backup/auto/Angličtina"_s))
                  .entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{u"20260312-141501000-import"_s});
}

TEST_F(Safety, ADamagedCopyIsNotPutBack) {
    copies.take(shell::BulkWork::Import, at(1));
    const shell::SafetyCopy copy = copies.list().front();
    damageRecords(copy.folder + u"/dictonary.db"_s);
    addWord(u"kočka"_s);
    EXPECT_THROW(copies.restore(copy, at(2)), shell::SafetyCopyError);
    EXPECT_EQ(words(), (QStringList{u"kočka"_s, u"pes"_s}));
}

TEST_F(Safety, DataCheckOfAHealthyFolderAndOfOneWithFaults) {
    shell::DataCheckReport report = shell::checkData(app.path(), {u"eva"_s});
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.lines().first(), u"_other_/user.db: v pořádku"_s);
    EXPECT_EQ(report.lines().last(), u"Všech 8 souborů je v pořádku."_s);

    // An exam the program never evaluated, its questions left; a damaged dictionary; a user
    // without a folder.
    auto history = app.openTable(u"eva/exam.db"_s);
    history->append();
    postFields(*history, {{u"Datum"_s, QDate(2026, 3, 1)}, {u"TypZkouseni"_s, 2}});
    history->close();
    app.openTable(u"_other_/runtime.db"_s)->appendRecord({u"pes"_s});
    damageRecords(app.path(u"eva/Angličtina/dictonary.db"_s));
    report = shell::checkData(app.path(), {u"eva"_s, u"petr"_s});
    EXPECT_FALSE(report.ok());
    const QStringList lines = report.lines();
    EXPECT_TRUE(lines.contains(u"eva/exam.db: poslední zkoušení (č. 1 ze dne 1.3.2026) bylo "
                               "přerušeno a nevyhodnoceno, jeho otázky zůstaly v pracovních "
                               "tabulkách a jeho odpovědi se do slovníku nezapsaly"_s))
        << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines.contains(u"petr: složka uživatele chybí"_s));
    EXPECT_TRUE(lines.filter(u"eva/Angličtina/dictonary.db: soubor je poškozený"_s).size() == 1);
    EXPECT_EQ(lines.last(), u"3 soubory nejsou v pořádku (zkontrolováno 9)."_s);
}

TEST_F(Safety, OneProgramHoldsAUserAndALockLeftByAKilledOneIsTakenOver) {
    const QString folder = app.path(u"eva"_s);
    {
        shell::UserLock first(folder);
        first.acquire(u"eva"_s);
        shell::UserLock second(folder);
        try {
            second.acquire(u"eva"_s);
            ADD_FAILURE() << "a second lock of the same user";
        } catch (const shell::UserHeldError& error) {
            EXPECT_TRUE(
                error.message().startsWith(u"Uživatele „eva“ právě používá jiný program ("_s +
                                           QCoreApplication::applicationName()));
            EXPECT_TRUE(error.message().contains(
                u", proces %1)"_s.arg(QCoreApplication::applicationPid())));
        }
        EXPECT_EQ(shell::UserLock::holder(folder)->process, QCoreApplication::applicationPid());
    }
    EXPECT_FALSE(shell::UserLock::holder(folder));

    // A process that takes the lock and ends without letting it go, as a killed program does.
    const pid_t child = fork();
    if (child == 0) {
        shell::UserLock lock(folder);
        lock.acquire(u"eva"_s);
        _exit(lock.held() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(status, 0);
    EXPECT_TRUE(QFile::exists(folder + u"/lexiton.lock"_s));
    EXPECT_FALSE(shell::UserLock::holder(folder));
    shell::UserLock taker(folder);
    EXPECT_NO_THROW(taker.acquire(u"eva"_s));
    EXPECT_TRUE(taker.held());
}

} // namespace
