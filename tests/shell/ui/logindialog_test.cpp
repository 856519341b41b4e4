#include "mainwindowfixture.h"
#include "shell/passwordhash.h"
#include "shell/ui/logindialog.h"

namespace {

using Outcome = shell::LoginDialog::Outcome;

class LoginDialogTest : public MainWindowFixture {
protected:
    LoginDialogTest() { openUsers(); }

    Outcome login(const QString& preselectedUser = QString()) {
        store::Cursor loginUsers;
        const Outcome outcome =
            shell::LoginDialog(services, state, loginUsers, nullptr).run(preselectedUser);
        if (outcome == Outcome::LoggedIn)
            loggedIn = loginUsers.field(u"User"_s).asString();
        return outcome;
    }
    static QComboBox& userBox(QDialog& dialog) {
        return child<QComboBox>(dialog, u"UserComboBox"_s);
    }
    static QStringList offered(QDialog& dialog) {
        QStringList names;
        for (int i = 0; i < userBox(dialog).count(); ++i)
            names << userBox(dialog).itemText(i);
        return names;
    }

    QString loggedIn;
};

// A wrong password empties the box and the dialog stays.
TEST_F(LoginDialogTest, OffersTheUsersChoosesThePreselectedOneExactlyAndWantsItsPassword) {
    users.appendRecord({u"Demo"_s, QString()});
    users.appendRecord({u"demo"_s, QString()});
    users.appendRecord({u"eva"_s, shell::hashPassword(u"ryba"_s)});
    modals.script(u"LogDlg"_s, [this](QDialog& dialog) {
        EXPECT_EQ(offered(dialog),
                  (QStringList{u"administrator"_s, u"demo"_s, u"Demo"_s, u"eva"_s}));
        EXPECT_EQ(userBox(dialog).currentText(), u"Demo"_s);
        userBox(dialog).setCurrentText(u"eva"_s);
        type(dialog, u"PasswordEdit"_s, u"rak"_s);
        click(dialog, u"OKBtn"_s);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(text(dialog, u"PasswordEdit"_s), QString());
        EXPECT_EQ(messages.shown, QStringList{u"error: Chybné heslo - smůla, zkus to znovu."_s});
        type(dialog, u"PasswordEdit"_s, u"RyBA"_s);
        EXPECT_EQ(text(dialog, u"PasswordEdit"_s), u"ryba"_s);
        click(dialog, u"OKBtn"_s);
    });
    EXPECT_EQ(login(u"Demo"_s), Outcome::LoggedIn);
    EXPECT_EQ(loggedIn, u"eva"_s);

    modals.script(u"LogDlg"_s, [](QDialog& dialog) {
        EXPECT_EQ(userBox(dialog).currentText(), u"administrator"_s);
        click(dialog, u"OKBtn"_s);
    });
    EXPECT_EQ(login(u"DEMO"_s), Outcome::LoggedIn);
    EXPECT_EQ(loggedIn, u"administrator"_s);
}

// The password box hides and limits what is typed; help opens its page.
TEST_F(LoginDialogTest, CloseEndsTheProgramWithoutAsking) {
    state.loginCancelled = true;
    modals.script(u"LogDlg"_s, [this](QDialog& dialog) {
        EXPECT_FALSE(state.loginCancelled);
        EXPECT_EQ(child<QLineEdit>(dialog, u"PasswordEdit"_s).echoMode(), QLineEdit::Password);
        type(dialog, u"PasswordEdit"_s, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s);
        EXPECT_EQ(text(dialog, u"PasswordEdit"_s), u"abcdefghijklmnopqrst"_s);
        click(dialog, u"HelpBtn"_s);
        click(dialog, u"CloseBtn"_s);
    });
    EXPECT_EQ(login(), Outcome::Closed);
    EXPECT_TRUE(state.closeWithoutAsking);
    EXPECT_TRUE(state.loginCancelled);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(system.opened, QStringList{state.helpPage(u"log.html"_s)});
}

TEST_F(LoginDialogTest, AnEmptyUsersTableAdmitsNobodyAndAMissingOneEndsTheProgram) {
    users.first();
    users.deleteRecord();
    modals.script(u"LogDlg"_s, [this](QDialog& dialog) {
        click(dialog, u"OKBtn"_s);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(messages.shown,
                  QStringList{u"error: Chyba databáze uživatelů - ukonči aplikaci."_s});
        click(dialog, u"CloseBtn"_s);
    });
    EXPECT_EQ(login(), Outcome::Closed);

    // A users table that cannot be opened ends the program.
    users.close();
    ASSERT_TRUE(QFile::remove(QDir(state.otherFolder()).filePath(u"user.db"_s)));
    EXPECT_EQ(login(), Outcome::TableFailed);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[1].startsWith(
        u"error: Chyba BDE (Borland Database Engine).\r\nBuď není BDE instalováno, nebo jen "
        u"nelze otevřít tabulku \"user.db\" v adresáři \"_Other_\".\r\nHlášení zní: \r\n"_s));
    EXPECT_EQ(modals.shownDialogs.size(), 1);
}

TEST_F(LoginDialogTest, TheCloseBoxLeavesOnlyWithTheRightPassword) {
    users.appendRecord({u"eva"_s, shell::hashPassword(u"ryba"_s)});
    modals.script(u"LogDlg"_s, [this](QDialog& dialog) {
        userBox(dialog).setCurrentText(u"eva"_s);
        type(dialog, u"PasswordEdit"_s, u"rak"_s);
        dialog.close();
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(messages.shown.size(), 2);
        type(dialog, u"PasswordEdit"_s, u"ryba"_s);
        dialog.close();
    });
    EXPECT_EQ(login(), Outcome::LoggedIn);
    EXPECT_EQ(loggedIn, u"eva"_s);
    EXPECT_FALSE(state.closeWithoutAsking);
}

} // namespace
