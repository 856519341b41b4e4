#pragma once

#include <QPushButton>

namespace shell {

// A push button of a dialog's button row. Only the button made default reacts to Enter, so
// that Enter in a box presses OK and not the button that happens to have had focus.
inline QPushButton* dialogButton(const QString& objectName, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

} // namespace shell
