#pragma once

#include "core/messages.h"

#include <QMessageBox>

class QWidget;

namespace widgets {

// The message boxes of the windowing toolkit, with Czech buttons.
class QtMessages : public core::Messages {
public:
    void error(const QString& text) override;
    void warning(const QString& text) override;
    void information(const QString& text) override;
    bool confirm(const QString& text) override;
    bool ask(const QString& text) override;
    bool confirmDangerous(const QString& text) override;

private:
    // Shows a box whose first button goes on and whose second one (if any) answers no,
    // which is also Esc's answer.
    static QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString& title,
                                            const QString& text, QMessageBox::StandardButton goOn,
                                            QMessageBox::StandardButton no,
                                            QMessageBox::StandardButton defaultButton);
};

} // namespace widgets
