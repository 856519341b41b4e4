#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace store {
class Cursor;
}

namespace app {
struct RunState;
}
namespace widgets {
struct Services;
}

namespace shell {

// The login dialog (TLogDlg): the user is chosen from the users table and admitted with
// the right password. It ends with OK only after a right password, whether by OK or by
// the window's close box; "Zavři" gives up and asks for the program to end.
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    enum class Outcome {
        LoggedIn,   // the user's record is current in the users cursor
        Closed,     // "Zavři": the program ends without asking
        TableFailed // the users table cannot be opened; the message was shown, the program ends
    };

    // The users cursor belongs to the main window; the dialog points it at the users table.
    LoginDialog(widgets::Services& services, app::RunState& state, store::Cursor& users,
                QWidget* parent = nullptr);

    // Opens the users table, offers its users with the preselected one chosen (exactly as
    // written, else the first) and shows the dialog.
    Outcome run(const QString& preselectedUser);

    void reject() override;

private:
    bool loadUsers(const QString& preselectedUser);
    void fillUsers(const QString& preselectedUser);
    bool checkPassword();

    widgets::Services& m_services;
    app::RunState& m_state;
    store::Cursor& m_users;
    QComboBox* m_userBox;
    QLineEdit* m_password;
};

} // namespace shell
