#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <span>

namespace exam {

// One key of a settings file and what its value does.
struct KeyHandler {
    QStringView key;
    std::function<void(const QString& value)> apply;
};

// Hands the rest of the line to the first handler whose key begins the line (case-sensitive,
// untrimmed); returns whether one did.
bool applyFirstMatchingKey(const QString& line, std::span<const KeyHandler> handlers);

} // namespace exam
