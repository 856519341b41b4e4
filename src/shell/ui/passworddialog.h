#pragma once

#include <QDialog>

class QGroupBox;
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

// The password dialog (TOKBottomDlg2): a new password typed twice. It closes with OK only
// when both boxes agree and an empty password has been confirmed.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(widgets::Services& services, const app::RunState& state,
                   QWidget* parent = nullptr);

    // Shows the dialog for the user named in the caption of its group.
    bool run(const QString& userName);
    QString password() const;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    widgets::Services& m_services;
    const app::RunState& m_state;
    QGroupBox* m_group;
    QLineEdit* m_first;
    QLineEdit* m_second;
};

// "&Změna hesla uživatele": a new password for the user of the users table's current
// record, the logged-in user.
void changeOwnPassword(widgets::Services& services, store::Cursor& users, PasswordDialog& dialog);

// "Změna hesla" of the administration: a new password for the administrator.
void changeAdministratorPassword(widgets::Services& services, store::Cursor& users,
                                 PasswordDialog& dialog);

} // namespace shell
