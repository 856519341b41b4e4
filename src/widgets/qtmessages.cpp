#include "widgets/qtmessages.h"

#include <QAbstractButton>
#include <QApplication>

namespace widgets {

QMessageBox::StandardButton QtMessages::show(QMessageBox::Icon icon, const QString& title,
                                             const QString& text, QMessageBox::StandardButton goOn,
                                             QMessageBox::StandardButton no,
                                             QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, goOn | no, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(no != QMessageBox::NoButton ? no : goOn);
    const std::pair<QMessageBox::StandardButton, QString> czech[] = {
        {QMessageBox::Ok, QStringLiteral("OK")},
        {QMessageBox::Yes, QStringLiteral("&Ano")},
        {QMessageBox::No, QStringLiteral("&Ne")},
    };
    for (const auto& [button, caption] : czech) {
        if (QAbstractButton* shown = box.button(button))
            shown->setText(caption);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtMessages::error(const QString& text) {
    show(QMessageBox::Critical, QStringLiteral("Chyba"), text, QMessageBox::Ok,
         QMessageBox::NoButton, QMessageBox::Ok);
}

void QtMessages::warning(const QString& text) {
    show(QMessageBox::Warning, QStringLiteral("Upozornění"), text, QMessageBox::Ok,
         QMessageBox::NoButton, QMessageBox::Ok);
}

void QtMessages::information(const QString& text) {
    show(QMessageBox::Information, QStringLiteral("Informace"), text, QMessageBox::Ok,
         QMessageBox::NoButton, QMessageBox::Ok);
}

bool QtMessages::confirm(const QString& text) {
    return show(QMessageBox::Question, QStringLiteral("Potvrzení"), text, QMessageBox::Ok,
                QMessageBox::No, QMessageBox::Ok) == QMessageBox::Ok;
}

bool QtMessages::confirmDangerous(const QString& text) {
    return show(QMessageBox::Question, QStringLiteral("Potvrzení"), text, QMessageBox::Ok,
                QMessageBox::No, QMessageBox::No) == QMessageBox::Ok;
}

bool QtMessages::ask(const QString& text) {
    return show(QMessageBox::Question, QStringLiteral("Potvrzení"), text, QMessageBox::Yes,
                QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

} // namespace widgets
