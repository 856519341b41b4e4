#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace widgets {
struct Services;
}

namespace shell {

// The data check's report ("Kontrola dat"): a line for each table file, "v pořádku" or what
// is wrong with it, to read and close.
class DataCheckDialog : public QDialog {
    Q_OBJECT
public:
    explicit DataCheckDialog(widgets::Services& services, QWidget* parent = nullptr);

    void show(const QStringList& reportLines);

private:
    widgets::Services& m_services;
    QPlainTextEdit* m_report;
};

} // namespace shell
