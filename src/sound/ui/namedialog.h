#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace widgets {
class ModalRunner;
}

namespace sound {

// The sound name dialog (TNameDlg, "Název zvukového záznamu"): a name for a sound that belongs
// to no word of the list. What is typed becomes lower case, at most 80 characters.
class NameDialog : public QDialog {
    Q_OBJECT
public:
    NameDialog(widgets::ModalRunner& modals, QWidget* parent = nullptr);

    // Shows the dialog empty; the name on OK.
    std::optional<QString> run();

private:
    widgets::ModalRunner& m_modals;
    QLineEdit* m_name;
};

} // namespace sound
