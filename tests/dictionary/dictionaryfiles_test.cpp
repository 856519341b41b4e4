#include "core/fileerror.h"
#include "dictionary/dictionaryfolders.h"
#include "dictionary/gridlayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(DictionaryFolders, ListsSubFoldersButResultsAndPracticeIgnoringCase) {
    QTemporaryDir dir;
    QDir user(dir.path());
    for (const char* name : {"němčina", "Angličtina", "results", "Practice", "zeměpis", "Čeština"})
        ASSERT_TRUE(user.mkpath(QString::fromUtf8(name)));
    QFile file(user.filePath(QStringLiteral("exam.db")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));

    const QStringList names = dictionary::listDictionaries(dir.path());
    EXPECT_EQ(names.size(), 4);
    EXPECT_FALSE(names.contains(QStringLiteral("results")));
    EXPECT_FALSE(names.contains(QStringLiteral("exam.db")));
    EXPECT_EQ(names.first(), QStringLiteral("Angličtina"));
    EXPECT_LT(names.indexOf(QStringLiteral("němčina")), names.indexOf(QStringLiteral("zeměpis")));
}

TEST(DictionaryFolders, MissingUserFolderIsAnError) {
    QTemporaryDir dir;
    EXPECT_THROW(dictionary::listDictionaries(dir.filePath(QStringLiteral("nobody"))),
                 core::FileError);
}

TEST(GridLayout, SavedLayoutReadsBackAsDesigned) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid.tmp"));
    const auto designed = dictionary::designedGridColumns();
    ASSERT_EQ(designed.size(), 7u);
    dictionary::saveGridLayout(path, designed);
    const auto loaded = dictionary::loadGridLayout(path);
    ASSERT_EQ(loaded.size(), designed.size());
    for (size_t i = 0; i < designed.size(); ++i) {
        EXPECT_EQ(loaded[i].field, designed[i].field);
        EXPECT_EQ(loaded[i].title, designed[i].title);
        EXPECT_EQ(loaded[i].width, designed[i].width);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Dobre\tDob\xF8"
                                        "e\t48\r\n"))
        << "Windows-1250 with CR LF";
}

TEST(GridLayout, DamagedOrMissingFileIsAnError) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid.tmp"));
    EXPECT_THROW(dictionary::loadGridLayout(path), core::FileError);
    for (const QByteArray& content :
         {QByteArray(), QByteArray("Czech\tx\r\n"), QByteArray("Czech\tx\twide\r\n")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        EXPECT_THROW(dictionary::loadGridLayout(path), core::FileError) << content.toStdString();
    }
}

} // namespace
