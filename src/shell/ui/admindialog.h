#pragma once

#include "store/cursor.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace app {
struct RunState;
}
namespace widgets {
struct Services;
}

namespace shell {

class PasswordDialog;

// The user administration (TOKBottomDlg1): the list of users, creating and deleting a
// user, clearing a user's password and changing the administrator's. It works on a
// cursor of its own, so the logged-in user's record stays current in the main window's.
class AdminDialog : public QDialog {
    Q_OBJECT
public:
    AdminDialog(widgets::Services& services, const app::RunState& state, QWidget* parent = nullptr);

    // Opens the users table and shows the dialog until "Zavři".
    void run();

private:
    void showUsers();
    void selectUser(int row);
    void createUser();
    void deleteUser();
    void clearPassword();
    void changePassword();
    // Runs a command on the users table; a refused table operation shows its message.
    template <typename Command> void runCommand(Command command);

    widgets::Services& m_services;
    const app::RunState& m_state;
    store::Cursor m_users;
    QTableWidget* m_grid;
    QLineEdit* m_name;
    QPushButton* m_create;
    PasswordDialog* m_passwordDialog;
    bool m_filling = false;
};

} // namespace shell
