#include "shell/ui/admindialog.h"

#include "app/helppages.h"
#include "app/runstate.h"
#include "shell/ui/passworddialog.h"
#include "shell/useraccounts.h"
#include "shell/usernames.h"
#include "shell/users.h"
#include "store/error.h"
#include "widgets/dialogbutton.h"
#include "widgets/services.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace shell {
namespace {

constexpr int kShortestName = 3;

QTableWidget* usersGrid(QWidget* parent) {
    auto* grid = new QTableWidget(0, 1, parent);
    grid->setObjectName(QStringLiteral("UsersGrid"));
    grid->setHorizontalHeaderLabels({QStringLiteral("Uživatel")});
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    return grid;
}

} // namespace

AdminDialog::AdminDialog(widgets::Services& services, const app::RunState& state, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state)
    , m_grid(usersGrid(this))
    , m_name(new QLineEdit(this))
    , m_create(widgets::dialogButton(QStringLiteral("CreateBtn"), QStringLiteral("Vytvoř"), this))
    , m_passwordDialog(new PasswordDialog(services, state, this)) {
    setObjectName(QStringLiteral("OKBottomDlg1"));
    setWindowTitle(QStringLiteral("Administrátor dialog "));
    m_name->setObjectName(QStringLiteral("NameEdit"));
    m_name->setMaxLength(kUserNameMaxLength);
    m_create->setEnabled(false);
    auto* remove = widgets::dialogButton(QStringLiteral("DeleteBtn"),
                                         QStringLiteral("Smazání vybraného uživatele"), this);
    auto* clear = widgets::dialogButton(QStringLiteral("ClearPasswordBtn"),
                                        QStringLiteral("Vymazání hesla uživateli"), this);
    auto* change = widgets::dialogButton(QStringLiteral("ChangePasswordBtn"),
                                         QStringLiteral("Změna hesla"), this);
    auto* close = widgets::dialogButton(QStringLiteral("CloseBtn"), QStringLiteral("Zavři"), this);
    auto* help = widgets::dialogButton(QStringLiteral("HelpBtn"), QStringLiteral("?"), this);

    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) { selectUser(row); });
    connect(m_name, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_create->setEnabled(text.size() >= kShortestName); });
    connect(m_create, &QPushButton::clicked, this, [this] {
        runCommand([this] { createUser(); });
        m_name->clear();
    });
    connect(remove, &QPushButton::clicked, this, [this] { runCommand([this] { deleteUser(); }); });
    connect(clear, &QPushButton::clicked, this,
            [this] { runCommand([this] { clearPassword(); }); });
    connect(change, &QPushButton::clicked, this, [this] { changePassword(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kUserAdministration);
    });

    auto* usersGroup = new QGroupBox(QStringLiteral("Uživatelé"), this);
    auto* usersLayout = new QVBoxLayout(usersGroup);
    usersLayout->addWidget(m_grid);
    usersLayout->addWidget(remove);
    usersLayout->addWidget(clear);
    auto* newGroup = new QGroupBox(QStringLiteral("Vytvoření nového uživatele:"), this);
    auto* newLayout = new QVBoxLayout(newGroup);
    newLayout->addWidget(new QLabel(QStringLiteral("Heslo bude po vytvoření prázdné"), newGroup));
    newLayout->addWidget(m_name);
    newLayout->addWidget(m_create);
    auto* adminGroup = new QGroupBox(QStringLiteral("Administrátor"), this);
    (new QVBoxLayout(adminGroup))->addWidget(change);

    auto* side = new QVBoxLayout;
    side->addWidget(newGroup);
    side->addWidget(adminGroup);
    side->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto* columns = new QHBoxLayout;
    columns->addWidget(usersGroup);
    columns->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
}

void AdminDialog::run() {
    try {
        m_users.close();
        m_users.setDatabaseName(m_state.otherFolder());
        m_users.setTableName(QStringLiteral("user.db"));
        m_users.open();
        m_users.first();
        showUsers();
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
        return;
    }
    m_services.modals.exec(*this);
    m_users.close();
}

template <typename Command> void AdminDialog::runCommand(Command command) {
    try {
        command();
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
    }
    showUsers();
}

// Fills the grid without moving the cursor and selects its record.
void AdminDialog::showUsers() {
    m_filling = true;
    const int column = m_users.schema().fieldIndex(QStringLiteral("User"));
    const std::vector<QVariantList> rows = m_users.readRows(1, m_users.recordCount());
    m_grid->setRowCount(static_cast<int>(rows.size()));
    for (size_t row = 0; row < rows.size(); ++row) {
        m_grid->setItem(static_cast<int>(row), 0,
                        new QTableWidgetItem(rows[row].value(column).toString()));
    }
    m_grid->setCurrentCell(m_users.recNo() - 1, 0);
    m_filling = false;
}

void AdminDialog::selectUser(int row) {
    if (m_filling || row < 0)
        return;
    try {
        m_users.setRecNo(row + 1);
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
    }
}

void AdminDialog::createUser() {
    const QString name = m_name->text();
    if (shell::createUser(m_services.messages, m_users, m_state, name))
        m_users.findKey({name});
}

void AdminDialog::deleteUser() {
    if (!m_users.isEmpty())
        shell::deleteUser(m_services.messages, m_users, m_state);
}

void AdminDialog::clearPassword() {
    if (!m_users.isEmpty())
        shell::clearPassword(m_services.messages, m_users);
}

void AdminDialog::changePassword() {
    changeAdministratorPassword(m_services, m_users, *m_passwordDialog);
    showUsers();
}

} // namespace shell
