#include "mainwindowfixture.h"
#include "shell/passwordhash.h"
#include "shell/ui/admindialog.h"

#include <QTableWidget>

namespace {

class AdminDialogTest : public MainWindowFixture {
protected:
    AdminDialogTest() { openUsers(); }

    void administer(ScriptedModals::Script script) {
        modals.script(u"OKBottomDlg1"_s, [script](QDialog& dialog) {
            script(dialog);
            click(dialog, u"CloseBtn"_s);
        });
        shell::AdminDialog(services, state).run();
    }
    static QStringList listed(QDialog& dialog) {
        auto& grid = child<QTableWidget>(dialog, u"UsersGrid"_s);
        QStringList names;
        for (int row = 0; row < grid.rowCount(); ++row)
            names << grid.item(row, 0)->text();
        return names;
    }
    static void selectRow(QDialog& dialog, const QString& name) {
        const int row = static_cast<int>(listed(dialog).indexOf(name));
        ASSERT_GE(row, 0) << name.toStdString();
        child<QTableWidget>(dialog, u"UsersGrid"_s).setCurrentCell(row, 0);
    }
    QString passwordOf(const QString& name) {
        EXPECT_TRUE(users.findKey({name}));
        return users.field(u"Password"_s).asString();
    }
};

// A new user needs a name of three characters or more; the users' folders are left to the
// tests of creating and deleting users.
TEST_F(AdminDialogTest, CreatesAUserAndDeletesTheSelectedOne) {
    users.appendRecord({u"eva"_s, QString()});
    users.appendRecord({u"ota"_s, QString()});
    messages.answer({true});
    administer([](QDialog& dialog) {
        auto& create = child(dialog, u"CreateBtn"_s);
        type(dialog, u"NameEdit"_s, u"Ja"_s);
        EXPECT_FALSE(create.isEnabled());
        type(dialog, u"NameEdit"_s, u"n"_s);
        EXPECT_TRUE(create.isEnabled());
        click(dialog, u"CreateBtn"_s);
        EXPECT_EQ(text(dialog, u"NameEdit"_s), QString());
        EXPECT_EQ(listed(dialog).join(u' '), u"administrator eva Jan ota"_s);
        EXPECT_EQ(child<QTableWidget>(dialog, u"UsersGrid"_s).currentRow(), 2);
        selectRow(dialog, u"eva"_s);
        click(dialog, u"DeleteBtn"_s);
        EXPECT_EQ(listed(dialog).join(u' '), u"administrator Jan ota"_s);
    });
    EXPECT_EQ(userNames().join(u' '), u"administrator Jan ota"_s);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].endsWith(u"Chceš uživatele \"eva\" smazat ?"_s));
}

// Clearing the selected user's password asks nothing; changing a password changes the
// administrator's, whoever is selected.
TEST_F(AdminDialogTest, ClearsThePasswordOfTheSelectedUserAndChangesTheAdministrators) {
    users.appendRecord({u"eva"_s, shell::hashPassword(u"ryba"_s)});
    users.appendRecord({u"ota"_s, shell::hashPassword(u"rak"_s)});
    modals.script(u"OKBottomDlg2"_s, [](QDialog& dialog) {
        type(dialog, u"Edit1"_s, u"Tajne"_s);
        type(dialog, u"Edit2"_s, u"tajne"_s);
        click(dialog, u"OKBtn"_s);
    });
    administer([](QDialog& dialog) {
        selectRow(dialog, u"ota"_s);
        click(dialog, u"ClearPasswordBtn"_s);
        selectRow(dialog, u"eva"_s);
        click(dialog, u"ChangePasswordBtn"_s);
        click(dialog, u"HelpBtn"_s);
    });
    EXPECT_EQ(messages.shown, QStringList{u"information: Heslo bylo ůspěšně změněno."_s});
    EXPECT_TRUE(shell::passwordMatches(passwordOf(u"administrator"_s), u"tajne"_s));
    EXPECT_EQ(passwordOf(u"ota"_s), QString());
    EXPECT_TRUE(shell::passwordMatches(passwordOf(u"eva"_s), u"ryba"_s));
    EXPECT_EQ(system.opened, QStringList{state.helpPage(u"admin.html"_s)});
}

} // namespace
