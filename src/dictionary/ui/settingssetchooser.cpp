#include "dictionary/ui/settingssetchooser.h"

#include "app/runstate.h"
#include "core/fileerror.h"
#include "dictionary/ui/settingssets.h"
#include "widgets/dialogbutton.h"
#include "widgets/services.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace dictionary {
namespace {

// Shorter than any real path; such a selection is no file at all.
constexpr int kShortestPath = 5;

} // namespace

SettingsSetChooser::SettingsSetChooser(widgets::Services& services, const app::RunState& state,
                                       QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state)
    , m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("DLGAsociate"));
    setWindowTitle(QStringLiteral("Změna nastevení slovníku"));
    auto* label = new QLabel(QStringLiteral("Vyber si nastavení pro vybraný slovnik:"), this);
    label->setBuddy(m_list);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* reread = widgets::dialogButton(
        QStringLiteral("Button1"),
        QStringLiteral("Přenačíst seznam nastavení(konfigurací) z disku"), this);
    connect(reread, &QPushButton::clicked, this, &SettingsSetChooser::reload);
    QHBoxLayout* buttons = widgets::okCancelButtonRow(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(reread);
    layout->addLayout(buttons);
}

std::optional<QString> SettingsSetChooser::run() {
    return widgets::choiceOf(m_services.modals, *this, [this] { return selectedPath(); });
}

void SettingsSetChooser::accept() {
    if (selectedPath().size() < kShortestPath) {
        m_services.messages.error(QStringLiteral("Musíš vybrat některé nastavení."));
        return;
    }
    QDialog::accept();
}

void SettingsSetChooser::reject() {
    m_cancelled = true;
    QDialog::reject();
}

void SettingsSetChooser::showEvent(QShowEvent* event) {
    m_cancelled = false;
    if (!m_listed)
        reload();
    m_list->setFocus();
    QDialog::showEvent(event);
}

void SettingsSetChooser::reload() {
    const QString folder = settingsSetFolder(m_state.applicationFolder);
    try {
        const QStringList names = listSettingsSets(folder);
        m_list->clear();
        m_list->addItems(names);
        m_listedFolder = folder;
        m_listed = true;
    } catch (const core::FileError& error) {
        m_services.messages.error(error.message());
    }
}

QString SettingsSetChooser::selectedPath() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return QString();
    return QDir(m_listedFolder).filePath(selected.first()->text());
}

} // namespace dictionary
