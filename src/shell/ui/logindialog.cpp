#include "shell/ui/logindialog.h"

#include "app/helppages.h"
#include "app/runstate.h"
#include "shell/ui/passwordedit.h"
#include "shell/users.h"
#include "store/cursor.h"
#include "store/error.h"
#include "widgets/dialogbutton.h"
#include "widgets/services.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace shell {
LoginDialog::LoginDialog(widgets::Services& services, app::RunState& state, store::Cursor& users,
                         QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state)
    , m_users(users)
    , m_userBox(new QComboBox(this))
    , m_password(new QLineEdit(this)) {
    setObjectName(QStringLiteral("LogDlg"));
    setWindowTitle(QStringLiteral("Přihlášení"));
    m_userBox->setObjectName(QStringLiteral("UserComboBox"));
    m_userBox->setEditable(false);
    m_password->setObjectName(QStringLiteral("PasswordEdit"));
    setUpPasswordEdit(*m_password);

    auto* ok = widgets::dialogButton(QStringLiteral("OKBtn"), QStringLiteral("OK"), this);
    ok->setToolTip(QStringLiteral("Přihlásit"));
    ok->setDefault(true);
    auto* close = widgets::dialogButton(QStringLiteral("CloseBtn"), QStringLiteral("Zavři"), this);
    close->setToolTip(QStringLiteral("Ukončí aplikaci"));
    auto* help = widgets::dialogButton(QStringLiteral("HelpBtn"), QStringLiteral("?"), this);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (checkPassword())
            accept();
    });
    connect(close, &QPushButton::clicked, this, [this] {
        m_state.loginCancelled = true;
        m_state.closeWithoutAsking = true;
        QDialog::reject();
    });
    connect(help, &QPushButton::clicked, this, [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state, app::helppage::kLogin);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Uživatel (vyber si z nabídky)"), this));
    layout->addWidget(m_userBox);
    layout->addWidget(new QLabel(QStringLiteral("Heslo"), this));
    layout->addWidget(m_password);
    layout->addLayout(buttons);
}

LoginDialog::Outcome LoginDialog::run(const QString& preselectedUser) {
    m_state.loginCancelled = false;
    m_password->clear();
    m_userBox->clear();
    if (!loadUsers(preselectedUser))
        return Outcome::TableFailed;
    m_password->setFocus();
    return m_services.modals.exec(*this) == QDialog::Accepted ? Outcome::LoggedIn : Outcome::Closed;
}

bool LoginDialog::loadUsers(const QString& preselectedUser) {
    try {
        m_users.close();
        m_users.setDatabaseName(m_state.otherFolder());
        m_users.setTableName(QStringLiteral("user.db"));
        m_users.open();
        fillUsers(preselectedUser);
        return true;
    } catch (const store::Error& error) {
        m_services.messages.error(
            QStringLiteral("Chyba BDE (Borland Database Engine).\r\nBuď není BDE instalováno, "
                           "nebo jen nelze otevřít tabulku \"user.db\" v adresáři "
                           "\"_Other_\".\r\nHlášení zní: \r\n") +
            error.message());
    } catch (const std::exception& error) {
        m_services.messages.error(
            QStringLiteral("Jiná chyba databáze uživatelů (nelze otevřít) - aplikace bude "
                           "ukončena.\r\nHlášení zní: \r\n") +
            QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void LoginDialog::fillUsers(const QString& preselectedUser) {
    m_users.refresh();
    for (m_users.first(); !m_users.eof(); m_users.next())
        m_userBox->addItem(m_users.field(QStringLiteral("User")).asString());
    const int preselected =
        m_userBox->findText(preselectedUser, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_userBox->setCurrentIndex(preselected >= 0 ? preselected : 0);
}

bool LoginDialog::checkPassword() {
    const LoginCheck check =
        checkLogin(m_services.messages, m_users, m_userBox->currentText(), m_password->text());
    if (check == LoginCheck::WrongPassword) {
        m_password->clear();
        m_password->setFocus();
    }
    return check == LoginCheck::LoggedIn;
}

// The close box and Escape leave only with a right password, which ends the dialog with OK.
void LoginDialog::reject() {
    if (checkPassword())
        accept();
}

} // namespace shell
