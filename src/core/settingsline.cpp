#include "core/settingsline.h"

namespace core {

namespace {

std::optional<QString> valueAfter(QStringView line, QStringView key, Qt::CaseSensitivity cs) {
    if (!line.startsWith(key, cs))
        return std::nullopt;
    return line.sliced(key.size()).toString();
}

} // namespace

bool lineHasKey(QStringView line, QStringView key) {
    return line.startsWith(key, Qt::CaseSensitive);
}

bool lineHasKeyIgnoringCase(QStringView line, QStringView key) {
    return line.startsWith(key, Qt::CaseInsensitive);
}

std::optional<QString> valueAfterKey(QStringView line, QStringView key) {
    return valueAfter(line, key, Qt::CaseSensitive);
}

std::optional<QString> valueAfterKeyIgnoringCase(QStringView line, QStringView key) {
    return valueAfter(line, key, Qt::CaseInsensitive);
}

bool lineSaysYes(QStringView line, QStringView key) {
    const auto value = valueAfterKey(line, key);
    return value && value->startsWith(u"yes");
}

} // namespace core
