// Runs the installed backup script data/save.sh on a temporary application folder.
#include "store/cursor.h"
#include "store/tablefile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

const QString kScript = QStringLiteral(LEXITON_DATA_DIR "/save.sh");

struct Outcome {
    int exitCode = -1;
    QString errors;
};

Outcome run(const QString& program, const QStringList& arguments, const QString& workingFolder) {
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// The answer of PRAGMA integrity_check on a table file, opened as the program opens it
// (the Czech collation of its indexes registered).
QString integrityOf(const QString& path) {
    sqlite3* db = store::openConnection(path, false);
    sqlite3_stmt* statement = nullptr;
    QString result;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        result =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return result;
}

QStringList czechWordsOf(const QString& folder) {
    store::Cursor dictionary;
    dictionary.setDatabaseName(folder);
    dictionary.setTableName(u"dictonary.db"_s);
    dictionary.open();
    QStringList words;
    for (dictionary.first(); !dictionary.eof(); dictionary.next())
        words << dictionary.field(u"Czech"_s).asString();
    dictionary.close();
    return words;
}

class SaveScript : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_app.isValid());
        app = QDir(m_app.path());
        ASSERT_TRUE(app.mkpath(u"Eva Nová/Angličtina"_s));
        ASSERT_TRUE(app.mkpath(u"Eva Nová/results"_s));
        store::createTableFile(app.filePath(u"Eva Nová/Angličtina/dictonary.db"_s), u"dictonary"_s);
        store::Cursor dictionary;
        dictionary.setDatabaseName(app.filePath(u"Eva Nová/Angličtina"_s));
        dictionary.setTableName(u"dictonary.db"_s);
        dictionary.open();
        dictionary.appendRecord({u"kočka"_s, u"cat"_s, 1});
        dictionary.appendRecord({u"pes"_s, u"dog"_s, 1});
        dictionary.close();
        store::createTableFile(app.filePath(u"Eva Nová/exam.db"_s), u"exam"_s);
        writeFile(app.filePath(u"Eva Nová/results/1_05.12.2026.html"_s), "<html></html>\r\n");
        writeFile(app.filePath(u"Eva Nová/moje poznámky.txt"_s), "slovíčka\r\n");
    }

    // Every file below the user folder with its size and time of change.
    QStringList userFolderListing() const {
        QStringList listing;
        QDirIterator files(app.filePath(u"Eva Nová"_s), QDir::Files | QDir::Hidden,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QFileInfo file(files.next());
            listing << file.filePath() + u' ' + QString::number(file.size()) + u' ' +
                           file.lastModified().toString(Qt::ISODateWithMs);
        }
        listing.sort();
        return listing;
    }

    QStringList archiveListing(const QString& archive) const {
        QProcess tar;
        tar.start(u"tar"_s, {u"-tzf"_s, archive});
        tar.waitForFinished();
        return QString::fromUtf8(tar.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

    QDir app;

private:
    QTemporaryDir m_app;
};

TEST_F(SaveScript, ArchivesTheUserFolderIntoTheBackupFolder) {
    const QStringList before = userFolderListing();
    const Outcome result =
        run(kScript, {app.filePath(u"Eva Nová"_s), u"Eva Nová5122026-140309"_s}, app.path());
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();

    const QString archive = app.filePath(u"backup/Eva Nová5122026-140309.tar.gz"_s);
    ASSERT_TRUE(QFile::exists(archive));
    const QStringList listing = archiveListing(archive);
    EXPECT_TRUE(listing.contains(u"Eva Nová/Angličtina/dictonary.db"_s))
        << listing.join(u' ').toStdString();
    EXPECT_TRUE(listing.contains(u"Eva Nová/exam.db"_s));
    EXPECT_TRUE(listing.contains(u"Eva Nová/moje poznámky.txt"_s));
    EXPECT_TRUE(listing.contains(u"Eva Nová/results/1_05.12.2026.html"_s));
    for (const QString& entry : listing)
        EXPECT_FALSE(entry.endsWith(u"-wal"_s) || entry.endsWith(u"-shm"_s)) << entry.toStdString();

    EXPECT_EQ(userFolderListing(), before) << "the user folder must stay as it was";
}

TEST_F(SaveScript, ArchivedTablesPassTheIntegrityCheck) {
    ASSERT_EQ(run(kScript, {app.filePath(u"Eva Nová"_s), u"zaloha"_s}, app.path()).exitCode, 0);
    QTemporaryDir extracted;
    ASSERT_EQ(run(u"tar"_s, {u"-xzf"_s, app.filePath(u"backup/zaloha.tar.gz"_s)}, extracted.path())
                  .exitCode,
              0);
    const QDir out(extracted.path());
    EXPECT_EQ(integrityOf(out.filePath(u"Eva Nová/Angličtina/dictonary.db"_s)), u"ok"_s);
    EXPECT_EQ(integrityOf(out.filePath(u"Eva Nová/exam.db"_s)), u"ok"_s);
    EXPECT_EQ(czechWordsOf(out.filePath(u"Eva Nová/Angličtina"_s)),
              QStringList({u"kočka"_s, u"pes"_s}));
    QFile notes(out.filePath(u"Eva Nová/moje poznámky.txt"_s));
    ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
    EXPECT_EQ(notes.readAll(), QByteArray("slovíčka\r\n"));
}

TEST_F(SaveScript, TakesARelativeUserFolderFromTheWorkingFolder) {
    ASSERT_EQ(run(kScript, {u"Eva Nová"_s, u"relativni"_s}, app.path()).exitCode, 0);
    EXPECT_TRUE(QFile::exists(app.filePath(u"backup/relativni.tar.gz"_s)));
}

TEST_F(SaveScript, TakesATableThatIsHeldOpenThroughTheDatabase) {
    sqlite3* reader = nullptr;
    const QByteArray table = QFile::encodeName(app.filePath(u"Eva Nová/exam.db"_s));
    ASSERT_EQ(sqlite3_open_v2(table.constData(), &reader, SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM sqlite_master;", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    const Outcome result = run(kScript, {app.filePath(u"Eva Nová"_s), u"otevreno"_s}, app.path());
    sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(reader);
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(QFile::exists(app.filePath(u"backup/otevreno.tar.gz"_s)));
}

TEST_F(SaveScript, FailsWithAMessageWhenTheUserFolderIsMissing) {
    const Outcome result = run(kScript, {app.filePath(u"Nikdo"_s), u"nic"_s}, app.path());
    EXPECT_NE(result.exitCode, 0);
    EXPECT_FALSE(result.errors.isEmpty());
    EXPECT_FALSE(QFile::exists(app.filePath(u"backup/nic.tar.gz"_s)));
}

TEST_F(SaveScript, FailsOnADamagedTableAndLeavesNoArchive) {
    writeFile(app.filePath(u"Eva Nová/Angličtina/dictonary.db"_s), "this is no table");
    const Outcome result = run(kScript, {app.filePath(u"Eva Nová"_s), u"poskozeno"_s}, app.path());
    EXPECT_NE(result.exitCode, 0);
    EXPECT_FALSE(result.errors.isEmpty());
    EXPECT_FALSE(QFile::exists(app.filePath(u"backup/poskozeno.tar.gz"_s)));
}

TEST_F(SaveScript, RefusesABackupNameWithAFolderInIt) {
    const Outcome result = run(kScript, {app.filePath(u"Eva Nová"_s), u"../venku"_s}, app.path());
    EXPECT_NE(result.exitCode, 0);
    EXPECT_FALSE(QFile::exists(app.filePath(u"venku.tar.gz"_s)));
}

} // namespace
