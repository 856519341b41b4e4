#include "mainwindowfixture.h"
#include "shell/passwordhash.h"
#include "shell/ui/passworddialog.h"

#include <QGroupBox>

namespace {

class PasswordDialogTest : public MainWindowFixture {
protected:
    PasswordDialogTest() { openUsers(); }

    shell::PasswordDialog dialog{services, state};
};

// Cancel checks nothing and the boxes start empty again; different passwords keep the dialog
// open; an empty one needs confirming.
TEST_F(PasswordDialogTest, OkChecksThePasswordsAndCancelNothing) {
    modals.script(u"OKBottomDlg2"_s, [](QDialog& shown) {
        type(shown, u"Edit1"_s, u"a"_s);
        click(shown, u"CancelBtn"_s);
    });
    EXPECT_FALSE(dialog.run(u"eva"_s));
    modals.script(u"OKBottomDlg2"_s, [this](QDialog& shown) {
        EXPECT_EQ(text(shown, u"Edit1"_s), QString());
        click(shown, u"HelpBtn"_s);
        EXPECT_EQ(system.opened, QStringList{state.helpPage(u"pswd.html"_s)});
        EXPECT_EQ(child<QGroupBox>(shown, u"UserGroup"_s).title(), u"Uživatel: eva"_s);
        type(shown, u"Edit1"_s, u"Ryba"_s);
        type(shown, u"Edit2"_s, u"rak"_s);
        click(shown, u"OKBtn"_s);
        EXPECT_TRUE(shown.isVisible());
        EXPECT_EQ(messages.shown, QStringList{u"error: Hesla nejsou shodná."_s});
        child<QLineEdit>(shown, u"Edit2"_s).clear();
        type(shown, u"Edit2"_s, u"RYBA"_s);
        click(shown, u"OKBtn"_s);
    });
    EXPECT_TRUE(dialog.run(u"eva"_s));
    EXPECT_EQ(dialog.password(), u"ryba"_s);

    messages.answer({false, true});
    modals.script(u"OKBottomDlg2"_s, [](QDialog& shown) {
        click(shown, u"OKBtn"_s);
        EXPECT_TRUE(shown.isVisible());
        click(shown, u"OKBtn"_s);
    });
    EXPECT_TRUE(dialog.run(u"eva"_s));
    EXPECT_EQ(messages.shown.mid(1),
              QStringList(2, u"confirm: Heslo je prázdné. Chceš nastavit prázdné heslo ?"_s));
    EXPECT_EQ(dialog.password(), QString());
}

TEST_F(PasswordDialogTest, TheLoggedInUserChangesOwnPassword) {
    users.appendRecord({u"eva"_s, u"stare"_s});
    ASSERT_TRUE(users.findKey({u"eva"_s}));
    modals.script(u"OKBottomDlg2"_s, [](QDialog& shown) {
        type(shown, u"Edit1"_s, u"Nove"_s);
        type(shown, u"Edit2"_s, u"nove"_s);
        click(shown, u"OKBtn"_s);
    });
    shell::changeOwnPassword(services, users, dialog);
    EXPECT_EQ(messages.shown, QStringList{u"information: Heslo bylo ůspěšně změněno."_s});
    ASSERT_TRUE(users.findKey({u"eva"_s}));
    EXPECT_TRUE(shell::passwordMatches(users.field(u"Password"_s).asString(), u"nove"_s));
    EXPECT_FALSE(shell::isPlainTextPassword(users.field(u"Password"_s).asString()));

    // A missing administrator is a broken table.
    users.first();
    users.deleteRecord();
    modals.script(u"OKBottomDlg2"_s, [](QDialog& shown) {
        EXPECT_EQ(child<QGroupBox>(shown, u"UserGroup"_s).title(), u"Uživatel: administrator"_s);
        type(shown, u"Edit1"_s, u"x"_s);
        type(shown, u"Edit2"_s, u"x"_s);
        click(shown, u"OKBtn"_s);
    });
    shell::changeAdministratorPassword(services, users, dialog);
    EXPECT_EQ(messages.shown.last(), u"error: Chyba databáze uživatelů - ukonči aplikaci."_s);
}

} // namespace
