#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace widgets {

// The colours the settings files give a window's parts: a background filled behind the
// widget and its boxes and buttons, and the colour of its texts.
inline void setBackgroundColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

inline void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace widgets
