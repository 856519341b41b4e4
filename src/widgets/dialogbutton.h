#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include <functional>

namespace widgets {

// A push button of a dialog's button row. Only the button made default reacts to Enter, so
// that Enter in a box presses OK and not the button that happens to have had focus.
inline QPushButton* dialogButton(const QString& objectName, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

// The usual row at a dialog's foot, kept to the right: "OK" (the default) accepts, "Zrušit"
// rejects and, when there is help, "?" shows it.
inline QHBoxLayout* okCancelButtonRow(QDialog& dialog, const std::function<void()>& help = {}) {
    auto* ok = dialogButton(QStringLiteral("OKBtn"), QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    auto* cancel = dialogButton(QStringLiteral("CancelBtn"), QStringLiteral("Zrušit"), &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    if (help) {
        auto* button = dialogButton(QStringLiteral("HelpBtn"), QStringLiteral("?"), &dialog);
        QObject::connect(button, &QPushButton::clicked, &dialog, help);
        row->addWidget(button);
    }
    return row;
}

} // namespace widgets
