#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QListWidget;

namespace widgets {
struct Services;
}

namespace shell {

// The safety copies of the open dictionary ("Bezpečnostní kopie slovníku"): each with the time
// it was taken and the work it was taken before, the newest first. OK puts the chosen copy
// back.
class SafetyCopyDialog : public QDialog {
    Q_OBJECT
public:
    explicit SafetyCopyDialog(widgets::Services& services, QWidget* parent = nullptr);

    // Offers the copies' texts with the newest chosen; the position of the copy to put back,
    // nothing when the user cancels.
    std::optional<int> run(const QString& dictionary, const QStringList& copies);

private:
    widgets::Services& m_services;
    QLabel* m_caption;
    QListWidget* m_copies;
};

} // namespace shell
