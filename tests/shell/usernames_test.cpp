#include "shell/usernames.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The administrator is recognised in any case too.
TEST(UserNameTest, TheProgramsOwnFilesAndFoldersAreRefusedInAnyCase) {
    for (const char* name :
         {"help", "HELP", "Administrator", "_other_", "_EmptyTable_", "setting.ini", "Lexiton.exe",
          "save.bat", "utility", "install", "code.ini", "exam.ini", "icon.ico", "license.txt",
          "ReadMe.txt", "bg.bmp", "bg1vetsi.bmp", "save.sh", "Backup"})
        EXPECT_FALSE(shell::isAcceptableUserName(QString::fromUtf8(name))) << name;
    EXPECT_TRUE(shell::isAdministrator(u"ADMINISTRATOR"_s));
    EXPECT_FALSE(shell::isAdministrator(u"administrator2"_s));
}

TEST(UserNameTest, AnythingButOnePlainFolderNameIsRefused) {
    for (const char* name : {"../x",  "a/b",   "..\\x", "a\\b",     ".",        "..",   ".hidden",
                             "name.", "name ", " name", "a\u0001b", "a\u007fb", "a\tb", "a<b",
                             "a>b",   "a:b",   "a\"b",  "a|b",      "a?b",      "a*b",  ""})
        EXPECT_FALSE(shell::isAcceptableUserName(QString::fromUtf8(name))) << name;
    // at most 20 characters, counted in characters
    EXPECT_FALSE(shell::isAcceptableUserName(QString(21, u'a')));
    EXPECT_FALSE(shell::isAcceptableUserName(QString(21, u'ž')));
}

TEST(UserNameTest, OrdinaryNamesAreAccepted) {
    for (const char* name : {"čeština", "Jan Novák", "helpdesk", "admin", "a.b", "ŽLUŤOUČKÝ KŮŇ"})
        EXPECT_TRUE(shell::isAcceptableUserName(QString::fromUtf8(name))) << name;
    EXPECT_TRUE(shell::isAcceptableUserName(QString(20, u'a')));
    EXPECT_TRUE(shell::isAcceptableUserName(QString(20, u'ž')));
}

} // namespace
