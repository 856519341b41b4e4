#pragma once

#include "core/messages.h"

#include <QMessageBox>

class QWidget;

namespace shell {

// The message boxes of the windowing toolkit, with Czech buttons.
class QtMessages : public core::Messages {
public:
    void error(const QString& text) override;
    void warning(const QString& text) override;
    void information(const QString& text) override;
    bool confirm(const QString& text) override;
    bool ask(const QString& text) override;

private:
    static QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString& title,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
};

} // namespace shell
