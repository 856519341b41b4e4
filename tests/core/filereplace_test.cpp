#include "core/fileerror.h"
#include "core/filereplace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FileReplace : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        core::replaceFile(m_path, "old content\r\n");
    }

    QStringList filesInFolder() const { return QDir(m_folder.path()).entryList(QDir::Files); }

    QTemporaryDir m_folder;
    const QString m_path = m_folder.filePath(u"slovnik.txt"_s);
};

} // namespace

TEST_F(FileReplace, NewContentReplacesTheOldAndNoTemporaryFileRemains) {
    core::replaceFile(m_path, "new");
    EXPECT_EQ(contentOf(m_path), "new");

    const QList<char32_t> lost = core::replaceFileWithLines(m_path, {u"Říjen"_s, u"Ж"_s});
    EXPECT_EQ(contentOf(m_path), "\xD8\xEDjen\r\n?\r\n");
    EXPECT_EQ(lost, QList<char32_t>{0x416});
    EXPECT_EQ(filesInFolder(), QStringList{u"slovnik.txt"_s});
}

TEST_F(FileReplace, FailureWhileWritingKeepsTheOldFile) {
    const auto failHalfway = [](QIODevice& file) {
        file.write("partial");
        throw std::runtime_error("interrupted");
    };
    EXPECT_THROW(core::replaceFile(m_path, failHalfway), std::runtime_error);
    EXPECT_EQ(contentOf(m_path), "old content\r\n");
    EXPECT_EQ(filesInFolder(), QStringList{u"slovnik.txt"_s});
}

TEST_F(FileReplace, MissingFolderFailsWithAMessageAndCreatesNothing) {
    const QString missingFolder = m_folder.filePath(u"chybi"_s);
    const QString path = missingFolder + u"/slovnik.txt"_s;
    try {
        core::replaceFile(path, "x");
        FAIL() << "writing into a missing folder succeeded";
    } catch (const core::FileError& error) {
        EXPECT_TRUE(error.message().startsWith(u"Soubor nelze zapsat: "_s + path + u" ("_s));
    }
    EXPECT_FALSE(QFileInfo::exists(missingFolder));
}

// Permissions do not stop root, so an unwritable folder is made from a path that runs through
// a regular file, which no user can create files in.
TEST_F(FileReplace, UnwritableFolderFailsAndKeepsTheFileInTheWay) {
    EXPECT_THROW(core::replaceFile(m_path + u"/novy.txt"_s, "x"), core::FileError);
    EXPECT_EQ(contentOf(m_path), "old content\r\n");
    EXPECT_EQ(filesInFolder(), QStringList{u"slovnik.txt"_s});
}
