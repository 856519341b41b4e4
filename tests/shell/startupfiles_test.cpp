#include "core/fileerror.h"
#include "shell/runstate.h"
#include "shell/settingini.h"
#include "shell/tablechecks.h"
#include "shell/tempfolder.h"
#include "store/tablefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using shell::RunState;

void writeCp1250(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(SettingIni, LessonCountIsReadFromAnyCaseAndFallsBackWhenMalformed) {
    struct Case {
        const char* content;
        int lessonCount;
    };
    const Case cases[] = {
        {"lessoncount=40\r\n", 40},          {"LessonCount=$20\r\n", 32},
        {"fontsize=10\nlessoncount=12", 12}, {"lessoncount=5\r\nlessoncount=7\r\n", 7},
        {"lessoncount=abc\r\n", 100},        {"lessoncount=12 \r\n", 100},
        {" lessoncount=12\r\n", 100},        {"", 100},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("setting.ini"));
        writeCp1250(path, QByteArray(c.content));
        RunState state;
        state.lessonCount = 55; // every read starts from 100
        shell::readSettingIni(path, state);
        EXPECT_EQ(state.lessonCount, c.lessonCount) << c.content;
    }
}

TEST(SettingIni, MissingFileIsReportedWithItsMessage) {
    QTemporaryDir dir;
    RunState state;
    try {
        shell::readSettingIni(dir.filePath(QStringLiteral("setting.ini")), state);
        FAIL() << "a missing file must be reported";
    } catch (const core::FileError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Chyba při čtení souboru \"setting.ini\"."));
    }
}

TEST(TempFolder, FilesGoSubFoldersStay) {
    QTemporaryDir dir;
    const QDir temp(dir.path());
    writeCp1250(temp.filePath(QStringLiteral("1.wav")), "x");
    writeCp1250(temp.filePath(QStringLiteral(".hidden")), "x");
    ASSERT_TRUE(temp.mkpath(QStringLiteral("keep")));
    writeCp1250(temp.filePath(QStringLiteral("keep/inner.wav")), "x");

    shell::emptyTempFolder(dir.path());
    EXPECT_EQ(temp.entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_TRUE(QFile::exists(temp.filePath(QStringLiteral("keep/inner.wav"))));
    shell::emptyTempFolder(temp.filePath(QStringLiteral("missing"))); // no error
}

class ExamTableCheck : public ::testing::Test {
protected:
    void SetUp() override {
        state.applicationFolder = dir.path();
        state.userName = QStringLiteral("Jan Novák");
        QDir app(dir.path());
        app.mkpath(state.userName);
        app.mkpath(QStringLiteral("_other_"));
        store::createTableFile(QDir(state.userFolder()).filePath(QStringLiteral("exam.db")),
                               QStringLiteral("exam"));
        for (const char* kind : {"runtime", "deprun", "runzn"})
            store::createTableFile(
                QDir(state.otherFolder()).filePath(QString::fromLatin1(kind) + u".db"),
                QString::fromLatin1(kind));
    }
    QTemporaryDir dir;
    RunState state;
};

TEST_F(ExamTableCheck, AllTablesOpen) {
    EXPECT_EQ(shell::checkExamTables(state), std::nullopt);
}

TEST_F(ExamTableCheck, EachMissingTableHasItsMessage) {
    struct Case {
        const char* file;
        const char* messageStart;
    };
    const Case cases[] = {
        {"_other_/runzn.db",
         "Není možné otevřít databázi \"znrun.db\" v adresari _other_.\r\nHlášení zní: \r\n"},
        {"_other_/deprun.db",
         "Není možné otevřít databázi \"deprun.db\" v adresari _other_.\r\nHlášení zní: \r\n"},
        {"_other_/runtime.db",
         "Není možné otevřít databázi \"runtime.db\" v adresari _other_.\r\nHlášení zní: \r\n"},
        {"Jan Novák/exam.db",
         "Není možné otevřít databázi \"exam.db\" v adresari uzivatele.\r\nHlášení zní: \r\n"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(QFile::remove(state.path(QString::fromUtf8(c.file))));
        const std::optional<QString> failure = shell::checkExamTables(state);
        ASSERT_TRUE(failure.has_value()) << c.file;
        EXPECT_TRUE(failure->startsWith(QString::fromUtf8(c.messageStart)))
            << failure->toStdString();
        EXPECT_GT(failure->size(), QString::fromUtf8(c.messageStart).size())
            << "the store's text follows";
    }
}

} // namespace
