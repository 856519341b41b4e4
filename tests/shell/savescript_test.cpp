// Runs the installed backup script data/save.sh on a temporary application folder.
#include "programrun.h"
#include "rawsqlite.h"
#include "scratchfolder.h"

#include <QDirIterator>

namespace {

const QString kScript = QStringLiteral(LEXITON_DATA_DIR "/save.sh");

class SaveScript : public ::testing::Test {
protected:
    void SetUp() override {
        app.createTable(u"Eva Nová/Angličtina/dictonary.db"_s, u"dictonary"_s);
        auto dictionary = app.openTable(u"Eva Nová/Angličtina/dictonary.db"_s);
        dictionary->appendRecord({u"kočka"_s, u"cat"_s, 1});
        dictionary->appendRecord({u"pes"_s, u"dog"_s, 1});
        dictionary.reset();
        app.createTable(u"Eva Nová/exam.db"_s, u"exam"_s);
        app.write(u"Eva Nová/results/1_05.12.2026.html"_s, "<html></html>\r\n");
        app.write(u"Eva Nová/moje poznámky.txt"_s, "slovíčka\r\n");
    }

    ProgramRun backUp(const QString& userFolder, const QString& name) const {
        return runProgram(kScript, {userFolder, name}, app.path());
    }

    // Every file below the user folder with its size and time of change.
    QStringList userFolderListing() const {
        QStringList listing;
        QDirIterator files(app.path(u"Eva Nová"_s), QDir::Files | QDir::Hidden,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QFileInfo file(files.next());
            listing << file.filePath() + u' ' + QString::number(file.size()) + u' ' +
                           file.lastModified().toString(Qt::ISODateWithMs);
        }
        listing.sort();
        return listing;
    }

    ScratchFolder app;
};

TEST_F(SaveScript, ArchivesTheUserFolderIntoTheBackupFolderWithTablesThatPassTheCheck) {
    const QStringList before = userFolderListing();
    const ProgramRun result = backUp(app.path(u"Eva Nová"_s), u"Eva Nová5122026-140309"_s);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(userFolderListing(), before) << "the user folder must stay as it was";

    const QString archive = app.path(u"backup/Eva Nová5122026-140309.tar.gz"_s);
    const QStringList listing =
        runProgram(u"tar"_s, {u"-tzf"_s, archive}, app.path()).out.split(u'\n', Qt::SkipEmptyParts);
    for (const QString& entry : listing)
        EXPECT_FALSE(entry.endsWith(u"-wal"_s) || entry.endsWith(u"-shm"_s)) << entry.toStdString();

    ScratchFolder out;
    ASSERT_EQ(runProgram(u"tar"_s, {u"-xzf"_s, archive}, out.path()).exitCode, 0);
    EXPECT_EQ(rawQuery(out.path(u"Eva Nová/Angličtina/dictonary.db"_s), "PRAGMA integrity_check"),
              u"ok"_s);
    EXPECT_EQ(rawQuery(out.path(u"Eva Nová/exam.db"_s), "PRAGMA integrity_check"), u"ok"_s);
    EXPECT_EQ(tableRows(*out.openTable(u"Eva Nová/Angličtina/dictonary.db"_s), {u"Czech"_s}),
              QStringList({u"kočka"_s, u"pes"_s}));
    EXPECT_EQ(out.read(u"Eva Nová/moje poznámky.txt"_s), QByteArray("slovíčka\r\n"));
    EXPECT_EQ(out.read(u"Eva Nová/results/1_05.12.2026.html"_s), QByteArray("<html></html>\r\n"));
}

// The user folder is given relative to the working folder here.
TEST_F(SaveScript, TakesATableThatIsHeldOpenThroughTheDatabase) {
    sqlite3* reader = rawOpen(app.path(u"Eva Nová/exam.db"_s));
    ASSERT_EQ(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM sqlite_master;", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    const ProgramRun result = backUp(u"Eva Nová"_s, u"otevreno"_s);
    sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(reader);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(QFile::exists(app.path(u"backup/otevreno.tar.gz"_s)));
}

// A missing user folder, a damaged table and a backup name with a folder in it.
TEST_F(SaveScript, FailsWithAMessageAndLeavesNoArchive) {
    app.write(u"Eva Nová/Angličtina/dictonary.db"_s, "this is no table");
    for (const auto& [user, name] : {std::pair{u"Nikdo"_s, u"nic"_s},
                                     {u"Eva Nová"_s, u"poskozeno"_s},
                                     {u"Eva Nová"_s, u"../venku"_s}}) {
        SCOPED_TRACE(name.toStdString());
        const ProgramRun result = backUp(app.path(user), name);
        EXPECT_NE(result.exitCode, 0);
        EXPECT_FALSE(result.err.isEmpty());
        EXPECT_FALSE(QFile::exists(app.path(u"backup/"_s + name + u".tar.gz"_s)));
    }
}

} // namespace
