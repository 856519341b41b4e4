#include "app/runstate.h"
#include "scratchfolder.h"
#include "shell/tablechecks.h"
#include "shell/tempfolder.h"

namespace {

TEST(TempFolder, FilesGoSubFoldersStay) {
    ScratchFolder temp;
    temp.write(u"1.wav"_s, "x");
    temp.write(u".hidden"_s, "x");
    temp.write(u"keep/inner.wav"_s, "x");
    shell::emptyTempFolder(temp.path());
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_TRUE(QFile::exists(temp.path(u"keep/inner.wav"_s)));
    shell::emptyTempFolder(temp.path(u"missing"_s)); // no error
}

TEST(ExamTableCheck, EachMissingTableHasItsMessage) {
    ScratchFolder app;
    shell::RunState state;
    state.applicationFolder = app.path();
    state.userName = u"Jan Novák"_s;
    app.createTable(u"Jan Novák/exam.db"_s, u"exam"_s);
    for (const QString& kind : {u"runtime"_s, u"deprun"_s, u"runzn"_s})
        app.createTable(u"_other_/"_s + kind + u".db"_s, kind);
    EXPECT_EQ(shell::checkExamTables(state), std::nullopt);

    const struct {
        QString file;
        QString messageStart;
    } cases[] = {
        {u"_other_/runzn.db"_s,
         u"Není možné otevřít databázi \"znrun.db\" v adresari _other_.\r\nHlášení zní: \r\n"_s},
        {u"_other_/deprun.db"_s,
         u"Není možné otevřít databázi \"deprun.db\" v adresari _other_.\r\nHlášení zní: \r\n"_s},
        {u"_other_/runtime.db"_s,
         u"Není možné otevřít databázi \"runtime.db\" v adresari _other_.\r\nHlášení zní: \r\n"_s},
        {u"Jan Novák/exam.db"_s,
         u"Není možné otevřít databázi \"exam.db\" v adresari uzivatele.\r\nHlášení zní: \r\n"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        ASSERT_TRUE(QFile::remove(app.path(c.file)));
        const std::optional<QString> failure = shell::checkExamTables(state);
        ASSERT_TRUE(failure.has_value());
        EXPECT_TRUE(failure->startsWith(c.messageStart)) << failure->toStdString();
        EXPECT_GT(failure->size(), c.messageStart.size()) << "the store's text follows";
    }
}

} // namespace
