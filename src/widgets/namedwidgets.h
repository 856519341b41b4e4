#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QStyle>
#include <QToolButton>

namespace widgets {

// Windows give their controls the names the program documents, which tests and the users'
// documentation find them by; these make a control with its name in one step.
template <typename Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    return named(widget, QString::fromLatin1(name));
}

inline QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    return named(new QLabel(text, parent), name);
}

inline QLineEdit* lineEdit(const QString& name, int maxLength, QWidget* parent) {
    auto* edit = named(new QLineEdit(parent), name);
    edit->setMaxLength(maxLength);
    return edit;
}

inline QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent) {
    return named(new QCheckBox(caption, parent), name);
}

inline QRadioButton* radioButton(const QString& name, const QString& caption, QWidget* parent) {
    return named(new QRadioButton(caption, parent), name);
}

// A flat button showing one of the style's standard icons, with its hint.
inline QToolButton* iconButton(const char* name, QStyle::StandardPixmap icon, const QString& hint,
                               QWidget* parent, int iconSize = 28) {
    auto* button = named(new QToolButton(parent), name);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    return button;
}

} // namespace widgets
