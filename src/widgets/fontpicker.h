#pragma once

#include <QFont>

#include <optional>

class QWidget;

namespace widgets {

// Lets the user choose a font, as the font dialog does; nothing when the user cancels.
// Tests put a scripted choice in its place.
class FontPicker {
public:
    virtual ~FontPicker() = default;
    virtual std::optional<QFont> pick(const QFont& initial, int minimumSize, int maximumSize,
                                      QWidget* parent) = 0;
};

} // namespace widgets
