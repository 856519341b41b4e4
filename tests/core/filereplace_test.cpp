#include "core/fileerror.h"
#include "core/filereplace.h"

#include "filesizelimit.h"
#include "scratchfolder.h"

#include <stdexcept>

namespace {

class FileReplace : public ScratchTest {
protected:
    void SetUp() override { core::replaceFile(path, "old content\r\n"); }

    QStringList filesInFolder() const { return QDir(folder.path()).entryList(QDir::Files); }

    const QString path = folder.path(u"slovnik.txt"_s);
};

} // namespace

TEST_F(FileReplace, NewContentReplacesTheOldAndNoTemporaryFileRemains) {
    core::replaceFile(path, "new");
    EXPECT_EQ(folder.read(u"slovnik.txt"_s), "new");

    const QList<char32_t> lost = core::replaceFileWithLines(path, {u"Říjen"_s, u"Ж"_s});
    EXPECT_EQ(folder.read(u"slovnik.txt"_s), "\xD8\xEDjen\r\n?\r\n");
    EXPECT_EQ(lost, QList<char32_t>{0x416});
    EXPECT_EQ(filesInFolder(), QStringList{u"slovnik.txt"_s});
}

TEST_F(FileReplace, FailureWhileWritingKeepsTheOldFile) {
    const auto failHalfway = [](QIODevice& file) {
        file.write("partial");
        throw std::runtime_error("interrupted");
    };
    EXPECT_THROW(core::replaceFile(path, failHalfway), std::runtime_error);
    EXPECT_EQ(folder.read(u"slovnik.txt"_s), "old content\r\n");
    EXPECT_EQ(filesInFolder(), QStringList{u"slovnik.txt"_s});
}

// The whole content fits the write buffer, so that the disk says no only when the file is
// completed.
TEST_F(FileReplace, FullDiskFailsAndKeepsTheOldFile) {
    const QByteArray content(4000, 'x');
    {
        const FileSizeLimit fullDisk(100);
        EXPECT_THROW(core::replaceFile(path, content), core::FileError);
    }
    EXPECT_EQ(folder.read(u"slovnik.txt"_s), "old content\r\n");
    EXPECT_EQ(filesInFolder(), QStringList{u"slovnik.txt"_s});
}

// A folder that cannot be written fails too and keeps the file in its way.
TEST_F(FileReplace, MissingFolderFailsWithAMessageAndCreatesNothing) {
    const QString missing = folder.path(u"chybi/slovnik.txt"_s);
    try {
        core::replaceFile(missing, "x");
        FAIL() << "writing into a missing folder succeeded";
    } catch (const core::FileError& error) {
        EXPECT_TRUE(error.message().startsWith(u"Soubor nelze zapsat: "_s + missing + u" ("_s));
    }
    EXPECT_FALSE(QFileInfo::exists(folder.path(u"chybi"_s)));

    // Permissions do not stop root, so an unwritable folder is made from a path that runs
    // through a regular file, which no user can create files in.
    EXPECT_THROW(core::replaceFile(path + u"/novy.txt"_s, "x"), core::FileError);
    EXPECT_EQ(folder.read(u"slovnik.txt"_s), "old content\r\n");
    EXPECT_EQ(filesInFolder(), QStringList{u"slovnik.txt"_s});
}
