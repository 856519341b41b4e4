#include "sound/typedtime.h"

#include "core/rounding.h"

#include <QLocale>

#include <cmath>

namespace sound {

namespace {

// About three hundred years: beyond any take, and still exact in a double.
constexpr double kLongestMs = 1e13;

} // namespace

std::optional<qint64> parseTypedSeconds(const QString& text) {
    QString number = text.trimmed();
    const qsizetype comma = number.indexOf(u',');
    if (comma >= 0)
        number[comma] = u'.';
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double seconds = c.toDouble(number, &ok);
    if (!ok)
        return std::nullopt;
    const double ms = core::roundHalfToEven(seconds * 1000);
    if (!std::isfinite(ms) || std::abs(ms) > kLongestMs)
        return std::nullopt;
    return qint64(ms);
}

} // namespace sound
