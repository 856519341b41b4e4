#include "app/runstate.h"
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
