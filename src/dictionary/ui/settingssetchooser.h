#pragma once

#include <QDialog>

#include <optional>

class QListWidget;

namespace app {
struct RunState;
}
namespace widgets {
struct Services;
}

namespace dictionary {

// The settings set chooser (TDLGAsociate): the settings sets in "_other_/setinis" of the
// application folder, of which the user picks one for the selected dictionary. The list is
// read when the chooser is first shown (again at the next showing if the folder was
// missing) and whenever the user asks; it closes with OK only when a set is selected.
class SettingsSetChooser : public QDialog {
    Q_OBJECT
public:
    SettingsSetChooser(widgets::Services& services, const app::RunState& state,
                       QWidget* parent = nullptr);

    // The full path of the chosen settings file; nothing when the user cancels.
    std::optional<QString> run();

    // Whether the last showing ended by cancelling (Cancel, Escape or the close box).
    bool cancelled() const { return m_cancelled; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reads the folder anew; a missing folder is reported and leaves the list as it was.
    void reload();
    QString selectedPath() const;

    widgets::Services& m_services;
    const app::RunState& m_state;
    QListWidget* m_list;
    QString m_listedFolder;
    bool m_listed = false;
    bool m_cancelled = false;
};

} // namespace dictionary
