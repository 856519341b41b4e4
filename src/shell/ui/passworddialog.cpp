#include "shell/ui/passworddialog.h"

#include "app/helppages.h"
#include "app/runstate.h"
#include "shell/ui/passwordedit.h"
#include "shell/users.h"
#include "store/cursor.h"
#include "store/error.h"
#include "widgets/dialogbutton.h"
#include "widgets/services.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {
namespace {

QLineEdit* passwordEdit(const QString& objectName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    setUpPasswordEdit(*edit);
    return edit;
}

void reportChanged(widgets::Services& services) {
    services.messages.information(QStringLiteral("Heslo bylo ůspěšně změněno."));
}

} // namespace

PasswordDialog::PasswordDialog(widgets::Services& services, const app::RunState& state,
                               QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state)
    , m_group(new QGroupBox(this))
    , m_first(passwordEdit(QStringLiteral("Edit1"), m_group))
    , m_second(passwordEdit(QStringLiteral("Edit2"), m_group)) {
    setObjectName(QStringLiteral("OKBottomDlg2"));
    setWindowTitle(QStringLiteral("Změna hesla"));
    m_group->setObjectName(QStringLiteral("UserGroup"));
    auto* fields = new QFormLayout(m_group);
    fields->setRowWrapPolicy(QFormLayout::WrapAllRows);
    fields->addRow(QStringLiteral("Nové heslo:"), m_first);
    fields->addRow(QStringLiteral("Nové heslo pro kontrolu:"), m_second);

    QHBoxLayout* buttons = widgets::okCancelButtonRow(*this, [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kPassword);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addLayout(buttons);
}

bool PasswordDialog::run(const QString& userName) {
    m_group->setTitle(QStringLiteral("Uživatel: ") + userName);
    return m_services.modals.exec(*this) == QDialog::Accepted;
}

QString PasswordDialog::password() const {
    return m_first->text();
}

void PasswordDialog::accept() {
    if (m_first->text() != m_second->text()) {
        m_services.messages.error(QStringLiteral("Hesla nejsou shodná."));
        return;
    }
    if (m_first->text().isEmpty() && !m_services.messages.confirm(QStringLiteral(
                                         "Heslo je prázdné. Chceš nastavit prázdné heslo ?")))
        return;
    QDialog::accept();
}

void PasswordDialog::showEvent(QShowEvent* event) {
    m_first->clear();
    m_second->clear();
    m_first->setFocus();
    QDialog::showEvent(event);
}

void changeOwnPassword(widgets::Services& services, store::Cursor& users, PasswordDialog& dialog) {
    if (!dialog.run(users.field(QStringLiteral("User")).asString()))
        return;
    try {
        storePassword(users, dialog.password());
        reportChanged(services);
    } catch (const store::Error& error) {
        services.messages.error(error.message());
    }
}

void changeAdministratorPassword(widgets::Services& services, store::Cursor& users,
                                 PasswordDialog& dialog) {
    if (!dialog.run(QStringLiteral("administrator")))
        return;
    try {
        if (storePasswordOf(users, QStringLiteral("administrator"), dialog.password()))
            reportChanged(services);
        else
            showUsersTableError(services.messages);
    } catch (const store::Error& error) {
        services.messages.error(error.message());
    }
}

} // namespace shell
