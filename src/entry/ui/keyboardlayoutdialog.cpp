#include "entry/ui/keyboardlayoutdialog.h"

#include "app/runstate.h"
#include "core/fileerror.h"
#include "widgets/dialogbutton.h"
#include "widgets/namedwidgets.h"
#include "widgets/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace entry {

KeyboardLayoutDialog::KeyboardLayoutDialog(widgets::Services& services, const app::RunState& state,
                                           QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state)
    , m_switching(services.keyboardLayouts)
    , m_automatic(widgets::checkBox(
          QStringLiteral("AutoChangeLayout"),
          QStringLiteral("Přepínat automaticky rozložení klavesnice pro jednotlivé vstupní řádky"),
          this)) {
    setObjectName(QStringLiteral("TOKBottomDlg9"));
    setWindowTitle(QStringLiteral("Automatické přepínání klávesnice"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_automatic, 0, 0, 1, 3);
    const char* names[] = {"LayoutApp", "LayoutCZ", "LayoutOther"};
    const QString captions[] = {QStringLiteral("Rozložení APLIKACE"),
                                QStringLiteral("Rozložení ČESKY"),
                                QStringLiteral("Rozložení CIZOJAZYČNÉ")};
    for (std::size_t column = 0; column < m_lists.size(); ++column) {
        QComboBox* list = m_lists[column] = widgets::named(new QComboBox(this), names[column]);
        list->setMinimumContentsLength(18);
        list->setEnabled(false);
        grid->addWidget(new QLabel(captions[column], this), 1, int(column));
        grid->addWidget(list, 2, int(column));
        connect(list, &QComboBox::currentIndexChanged, this, [this, column](int position) {
            m_switching.choose(kLayoutRoles[column],
                               position < 0 ? std::nullopt : std::optional(position));
        });
    }
    connect(m_automatic, &QCheckBox::toggled, this, [this](bool on) {
        m_switching.setAutomatic(on);
        for (QComboBox* list : m_lists)
            list->setEnabled(on);
    });

    auto* save = widgets::dialogButton(QStringLiteral("SaveBtn"),
                                       QStringLiteral("Uložit nastavení pro spuštění"), this);
    auto* ok = widgets::dialogButton(QStringLiteral("OKBtn"), QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(save, &QPushButton::clicked, this, &KeyboardLayoutDialog::saveSettings);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(ok);
    grid->addLayout(buttons, 3, 0, 1, 3);
}

void KeyboardLayoutDialog::fillLayoutLists() {
    m_switching.fillLayouts();
    for (QComboBox* list : m_lists) {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const LayoutItem& layout : m_switching.layouts())
            list->addItem(layout.name, layout.handle);
    }
    showSettings();
}

QString KeyboardLayoutDialog::settingsPath() const {
    return QDir::toNativeSeparators(m_state.path(QStringLiteral("klayout.ini")));
}

QString KeyboardLayoutDialog::loadLayoutSettings() {
    const QString status = m_switching.loadSettings(settingsPath());
    showSettings();
    return status;
}

void KeyboardLayoutDialog::showSettings() {
    m_automatic->setChecked(m_switching.automatic());
    for (std::size_t column = 0; column < m_lists.size(); ++column) {
        const QSignalBlocker quiet(m_lists[column]);
        m_lists[column]->setCurrentIndex(m_switching.choice(kLayoutRoles[column]).value_or(-1));
        m_lists[column]->setEnabled(m_switching.automatic());
    }
}

void KeyboardLayoutDialog::run() {
    m_services.modals.exec(*this);
}

void KeyboardLayoutDialog::saveSettings() {
    const QString path = settingsPath();
    try {
        m_switching.saveSettings(path);
    } catch (const core::FileError&) {
        m_services.messages.error(QStringLiteral("Chyba zápis souboru ") + path);
        return;
    }
    m_services.messages.information(QStringLiteral("Uloženo do: ") + path);
}

} // namespace entry
