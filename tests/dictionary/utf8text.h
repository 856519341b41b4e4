#pragma once

#include <QStringList>

// Texts written in the test sources as UTF-8.
inline QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

inline QStringList lines(std::initializer_list<const char*> utf8) {
    QStringList result;
    for (const char* line : utf8)
        result << text(line);
    return result;
}
