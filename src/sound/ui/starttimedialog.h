#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace widgets {
class ModalRunner;
}

namespace sound {

// The start time dialog (TSetStartDlg, "Nastav start"): the time in seconds the sound
// window's position goes to, as the user types it.
class StartTimeDialog : public QDialog {
    Q_OBJECT
public:
    StartTimeDialog(widgets::ModalRunner& modals, QWidget* parent = nullptr);

    // Shows the dialog preset with the position; the typed text on OK.
    std::optional<QString> run(qint64 positionMs);

private:
    widgets::ModalRunner& m_modals;
    QLineEdit* m_time;
};

} // namespace sound
