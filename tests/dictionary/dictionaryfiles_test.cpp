#include "core/fileerror.h"
#include "dictionary/dictionaryfolders.h"
#include "dictionary/gridlayout.h"
#include "scratchfolder.h"

namespace {

TEST(DictionaryFolders, ListsSubFoldersButResultsAndPracticeIgnoringCase) {
    ScratchFolder user;
    for (const char* name : {"němčina", "Angličtina", "results", "Practice", "zeměpis", "Čeština"})
        ASSERT_TRUE(QDir(user.path()).mkpath(QString::fromUtf8(name)));
    user.write(u"exam.db"_s, {});
    const QStringList names = dictionary::listDictionaries(user.path());
    EXPECT_EQ(names.size(), 4);
    for (const QString& name : {u"Angličtina"_s, u"Čeština"_s, u"němčina"_s, u"zeměpis"_s})
        EXPECT_TRUE(names.contains(name)) << name.toStdString();
    EXPECT_EQ(names.first(), u"Angličtina"_s);
    EXPECT_LT(names.indexOf(u"němčina"_s), names.indexOf(u"zeměpis"_s));
    EXPECT_THROW(dictionary::listDictionaries(user.path(u"nobody"_s)), core::FileError);
}

// A damaged or missing file is an error.
TEST(GridLayout, SavedLayoutReadsBackAsDesigned) {
    ScratchFolder dir;
    const QString path = dir.path(u"grid.tmp"_s);
    dictionary::saveGridLayout(path, dictionary::designedGridColumns());
    EXPECT_EQ(dictionary::loadGridLayout(path), dictionary::designedGridColumns());
    EXPECT_TRUE(dir.read(u"grid.tmp"_s)
                    .contains("Dobre\tDob\xF8"
                              "e\t48\r\n"))
        << "Windows-1250 with CR LF";

    QFile::remove(path);
    EXPECT_THROW(dictionary::loadGridLayout(path), core::FileError);
    for (const QByteArray& content :
         {QByteArray(), QByteArray("Czech\tx\r\n"), QByteArray("Czech\tx\twide\r\n")}) {
        dir.write(u"grid.tmp"_s, content);
        EXPECT_THROW(dictionary::loadGridLayout(path), core::FileError) << content.toStdString();
    }
}

} // namespace
