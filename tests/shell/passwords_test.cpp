#include "appfolderfixture.h"
#include "shell/passwordhash.h"
#include "shell/users.h"

namespace {

TEST(PasswordHashTest, ASaltedHashFitsTheTypedPasswordInAnyCaseOnly) {
    const QString stored = shell::hashPassword(u"tajné"_s);
    EXPECT_TRUE(stored.startsWith(u"pbkdf2$%1$"_s.arg(shell::kPasswordIterations)))
        << stored.toStdString();
    EXPECT_LE(stored.size(), 120);
    EXPECT_FALSE(stored.contains(u"tajné"_s));
    EXPECT_TRUE(shell::passwordMatches(stored, u"TAJNÉ"_s));
    EXPECT_FALSE(shell::passwordMatches(stored, u"tajne"_s));
    EXPECT_FALSE(shell::passwordMatches(stored, QString()));
    const QString again = shell::hashPassword(u"tajné"_s);
    EXPECT_NE(stored.section(u'$', 2, 2), again.section(u'$', 2, 2)) << "a salt of its own";
    EXPECT_TRUE(shell::passwordMatches(again, u"tajné"_s));
    EXPECT_EQ(shell::hashPassword(QString()), QString()) << "no password is kept empty";
}

TEST(PasswordHashTest, PlainTextFromEarlierVersionsIsComparedInLowerCase) {
    EXPECT_TRUE(shell::isPlainTextPassword(u"Kocka"_s));
    EXPECT_FALSE(shell::isPlainTextPassword(QString()));
    EXPECT_FALSE(shell::isPlainTextPassword(shell::hashPassword(u"kocka"_s)));
    EXPECT_TRUE(shell::passwordMatches(u"Kocka"_s, u"kOCKA"_s));
    EXPECT_FALSE(shell::passwordMatches(u"kocka"_s, u"pes"_s));
}

TEST(PasswordHashTest, DamagedHashesFitNothing) {
    for (const QString& stored : {u"pbkdf2$"_s, u"pbkdf2$x$YQ==$YQ=="_s, u"pbkdf2$0$YQ==$YQ=="_s,
                                  u"pbkdf2$999999999$YQ==$YQ=="_s, u"pbkdf2$10$YQ==$"_s})
        EXPECT_FALSE(shell::passwordMatches(stored, u"a"_s)) << stored.toStdString();
}

using LoginTest = AppFolderFixture;

TEST_F(LoginTest, OnlyTheRightPasswordLeavesTheUserCurrent) {
    users.appendRecord({u"eva"_s, shell::hashPassword(u"ryba"_s)});
    users.appendRecord({u"zdenek"_s, QString()});
    EXPECT_EQ(shell::checkLogin(messages, users, u"eva"_s, u"rak"_s),
              shell::LoginCheck::WrongPassword);
    EXPECT_EQ(shell::checkLogin(messages, users, u"eva"_s, QString()),
              shell::LoginCheck::WrongPassword);
    EXPECT_EQ(messages.shown, QStringList(2, u"error: Chybné heslo - smůla, zkus to znovu."_s));
    EXPECT_EQ(shell::checkLogin(messages, users, u"eva"_s, u"RYBA"_s), shell::LoginCheck::LoggedIn);
    EXPECT_EQ(users.field(u"User"_s).asString(), u"eva"_s);
    // an empty password admits only an empty one
    EXPECT_EQ(shell::checkLogin(messages, users, u"zdenek"_s, u"x"_s),
              shell::LoginCheck::WrongPassword);
    EXPECT_EQ(shell::checkLogin(messages, users, u"zdenek"_s, QString()),
              shell::LoginCheck::LoggedIn);
    // A user the table does not hold, in this case, means a broken table.
    EXPECT_EQ(shell::checkLogin(messages, users, u"Administrator"_s, QString()),
              shell::LoginCheck::UnknownUser);
    EXPECT_EQ(messages.shown.last(), u"error: Chyba databáze uživatelů - ukonči aplikaci."_s);
}

TEST_F(LoginTest, APlainTextPasswordIsReplacedByItsHashAtTheFirstRightLogin) {
    users.appendRecord({u"eva"_s, u"Ryba"_s});
    shell::checkLogin(messages, users, u"eva"_s, u"rak"_s);
    EXPECT_EQ(users.field(u"Password"_s).asString(), u"Ryba"_s);
    ASSERT_EQ(shell::checkLogin(messages, users, u"eva"_s, u"rYBA"_s), shell::LoginCheck::LoggedIn);
    const QString stored = users.field(u"Password"_s).asString();
    EXPECT_TRUE(stored.startsWith(u"pbkdf2$"_s));
    EXPECT_TRUE(shell::passwordMatches(stored, u"ryba"_s));
}

TEST_F(LoginTest, StoringAndClearingAPasswordSparesTheAdministrator) {
    users.appendRecord({u"eva"_s, shell::hashPassword(u"ryba"_s)});
    EXPECT_FALSE(shell::storePasswordOf(users, u"nikdo"_s, u"x"_s));
    ASSERT_TRUE(shell::storePasswordOf(users, u"administrator"_s, u"Nove"_s));
    EXPECT_EQ(shell::checkLogin(messages, users, u"administrator"_s, u"nove"_s),
              shell::LoginCheck::LoggedIn);

    ASSERT_TRUE(users.findKey({u"eva"_s}));
    EXPECT_TRUE(shell::clearPassword(messages, users));
    EXPECT_EQ(users.field(u"Password"_s).asString(), QString());
    ASSERT_TRUE(users.findKey({u"administrator"_s}));
    EXPECT_FALSE(shell::clearPassword(messages, users));
    EXPECT_TRUE(shell::passwordMatches(users.field(u"Password"_s).asString(), u"nove"_s));
    EXPECT_EQ(
        messages.shown,
        QStringList{u"error: Administrátorovi nemůže být smazáno heslo použij změnu hesla."_s});
}

} // namespace
