#pragma once

#include "entry/layoutswitching.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;

namespace app {
struct RunState;
}
namespace widgets {
struct Services;
}

namespace entry {

// The keyboard layout dialog (TOKBottomDlg9, "Automatické přepínání klávesnice"): whether the
// keyboard layout follows the field being typed into, and the layouts for the application, for
// Czech and for the foreign language. Every change acts at once; "Uložit nastavení pro
// spuštění" keeps the settings in klayout.ini for the next start.
class KeyboardLayoutDialog : public QDialog {
    Q_OBJECT
public:
    KeyboardLayoutDialog(widgets::Services& services, const app::RunState& state,
                         QWidget* parent = nullptr);

    // Lists the system's layouts, with no choice made.
    void fillLayoutLists();
    // Reads klayout.ini; returns the status bar's text.
    QString loadLayoutSettings();
    // Switches to the layout chosen for the role, when switching is on.
    void activate(LayoutRole role) const { m_switching.activate(role); }
    void run();

private:
    QString settingsPath() const;
    void showSettings();
    void saveSettings();

    widgets::Services& m_services;
    const app::RunState& m_state;
    LayoutSwitching m_switching;
    QCheckBox* m_automatic;
    std::array<QComboBox*, 3> m_lists{}; // application, Czech, foreign
};

} // namespace entry
