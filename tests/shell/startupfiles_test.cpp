#include "app/runstate.h"
#include "app/tempfolder.h"
#include "scratchfolder.h"
#include "shell/tablechecks.h"

namespace {

TEST(TempFolder, FilesGoSubFoldersStay) {
    ScratchFolder temp;
    temp.write(u"1.wav"_s, "x");
    temp.write(u".hidden"_s, "x");
    temp.write(u"keep/inner.wav"_s, "x");
    app::emptyTempFolder(temp.path());
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_TRUE(QFile::exists(temp.path(u"keep/inner.wav"_s)));
    app::emptyTempFolder(temp.path(u"missing"_s)); // no error
}

TEST(ExamTableCheck, EachMissingTableHasItsMessage) {
    ScratchFolder app;
    app::RunState state;
    state.applicationFolder = app.path();
    state.userName = u"Jan Novák"_s;
    app.createTable(u"Jan Novák/exam.db"_s, u"exam"_s);
    for (const QString& kind : {u"runtime"_s, u"deprun"_s, u"runzn"_s})
        app.createTable(u"_other_/"_s + kind + u".db"_s, kind);
    EXPECT_EQ(shell::checkExamTables(state), std::nullopt);

    // Each file as the message names it and its folder.
    for (const auto& [file, name, folder] :
         {std::tuple{u"_other_/runzn.db"_s, u"znrun.db"_s, u"_other_"_s},
          {u"_other_/deprun.db"_s, u"deprun.db"_s, u"_other_"_s},
          {u"_other_/runtime.db"_s, u"runtime.db"_s, u"_other_"_s},
          {u"Jan Novák/exam.db"_s, u"exam.db"_s, u"uzivatele"_s}}) {
        const QString start =
            u"Není možné otevřít databázi \"%1\" v adresari %2.\r\n"_s.arg(name, folder) +
            u"Hlášení zní: \r\n"_s;
        ASSERT_TRUE(QFile::remove(app.path(file)));
        const std::optional<QString> failure = shell::checkExamTables(state);
        ASSERT_TRUE(failure.has_value());
        EXPECT_TRUE(failure->startsWith(start)) << failure->toStdString();
        EXPECT_GT(failure->size(), start.size()) << "the store's text follows";
    }
}

} // namespace
