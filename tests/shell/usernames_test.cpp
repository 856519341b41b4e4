#include "shell/usernames.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct NameCase {
    const char* name;
    bool acceptable;
};

class UserNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(UserNameTest, DecidesWhetherTheNameMayBecomeAUser) {
    const QString name = QString::fromUtf8(GetParam().name);
    EXPECT_EQ(shell::isAcceptableUserName(name), GetParam().acceptable) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, UserNameTest,
    ::testing::Values(
        // the program's own files and folders, in any case
        NameCase{"help", false}, NameCase{"HELP", false}, NameCase{"Administrator", false},
        NameCase{"_other_", false}, NameCase{"_EmptyTable_", false}, NameCase{"setting.ini", false},
        NameCase{"Lexiton.exe", false}, NameCase{"save.bat", false}, NameCase{"utility", false},
        NameCase{"install", false}, NameCase{"code.ini", false}, NameCase{"exam.ini", false},
        NameCase{"icon.ico", false}, NameCase{"license.txt", false}, NameCase{"ReadMe.txt", false},
        NameCase{"bg.bmp", false}, NameCase{"bg1vetsi.bmp", false}, NameCase{"save.sh", false},
        NameCase{"Backup", false},
        // anything but one plain folder name
        NameCase{"../x", false}, NameCase{"a/b", false}, NameCase{"..\\x", false},
        NameCase{"a\\b", false}, NameCase{".", false}, NameCase{"..", false},
        NameCase{".hidden", false}, NameCase{"name.", false}, NameCase{"name ", false},
        NameCase{" name", false}, NameCase{"a\u0001b", false}, NameCase{"a\u007fb", false},
        NameCase{"a\tb", false}, NameCase{"a<b", false}, NameCase{"a>b", false},
        NameCase{"a:b", false}, NameCase{"a\"b", false}, NameCase{"a|b", false},
        NameCase{"a?b", false}, NameCase{"a*b", false}, NameCase{"", false},
        NameCase{"abcdefghijklmnopqrstu", false},
        // ordinary names
        NameCase{"abcdefghijklmnopqrst", true}, NameCase{"čeština", true},
        NameCase{"Jan Novák", true}, NameCase{"helpdesk", true}, NameCase{"admin", true},
        NameCase{"a.b", true}, NameCase{"ŽLUŤOUČKÝ KŮŇ", true}));

TEST(UserNameTest, LongNamesAreCountedInCharactersNotBytes) {
    EXPECT_TRUE(shell::isAcceptableUserName(QString(20, u'ž')));
    EXPECT_FALSE(shell::isAcceptableUserName(QString(21, u'ž')));
}

TEST(UserNameTest, TheAdministratorIsRecognisedInAnyCase) {
    EXPECT_TRUE(shell::isAdministrator(u"administrator"_s));
    EXPECT_TRUE(shell::isAdministrator(u"ADMINISTRATOR"_s));
    EXPECT_FALSE(shell::isAdministrator(u"administrator2"_s));
}

} // namespace
