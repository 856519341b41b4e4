#include "widgets/qtmessages.h"

#include <QAbstractButton>
#include <QApplication>

namespace shell {

QMessageBox::StandardButton QtMessages::show(QMessageBox::Icon icon, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
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
    show(QMessageBox::Critical, QStringLiteral("Chyba"), text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::warning(const QString& text) {
    show(QMessageBox::Warning, QStringLiteral("Upozornění"), text, QMessageBox::Ok,
         QMessageBox::Ok);
}

void QtMessages::information(const QString& text) {
    show(QMessageBox::Information, QStringLiteral("Informace"), text, QMessageBox::Ok,
         QMessageBox::Ok);
}

bool QtMessages::confirm(const QString& text) {
    return show(QMessageBox::Question, QStringLiteral("Potvrzení"), text,
                QMessageBox::No | QMessageBox::Ok, QMessageBox::No) == QMessageBox::Ok;
}

bool QtMessages::ask(const QString& text) {
    return show(QMessageBox::Question, QStringLiteral("Potvrzení"), text,
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

} // namespace shell
