#include "core/settingsint.h"

namespace core {

namespace {

std::optional<quint32> digitValue(char16_t c, quint32 base) {
    if (c >= u'0' && c <= u'9')
        return quint32(c - u'0');
    if (base == 16 && c >= u'a' && c <= u'f')
        return quint32(c - u'a' + 10);
    if (base == 16 && c >= u'A' && c <= u'F')
        return quint32(c - u'A' + 10);
    return std::nullopt;
}

// The digits as an unsigned number no larger than limit, or nothing.
std::optional<quint32> parseMagnitude(QStringView digits, quint32 base, quint32 limit) {
    if (digits.isEmpty())
        return std::nullopt;
    quint32 magnitude = 0;
    for (const QChar c : digits) {
        const auto digit = digitValue(c.unicode(), base);
        if (!digit || magnitude > (limit - *digit) / base)
            return std::nullopt;
        magnitude = magnitude * base + *digit;
    }
    return magnitude;
}

QStringView skipBlanks(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && (text[start] == u' ' || text[start] == u'\t'))
        ++start;
    return text.sliced(start);
}

} // namespace

std::optional<qint32> parseSettingsInt(QStringView text) {
    QStringView rest = skipBlanks(text);

    bool negative = false;
    if (rest.startsWith(u'+') || rest.startsWith(u'-')) {
        negative = rest.front() == u'-';
        rest = rest.sliced(1);
    }

    std::optional<quint32> magnitude;
    if (rest.startsWith(u"0x", Qt::CaseInsensitive))
        magnitude = parseMagnitude(rest.sliced(2), 16, 0xFFFFFFFFu);
    else if (rest.startsWith(u'$') || rest.startsWith(u'x', Qt::CaseInsensitive))
        magnitude = parseMagnitude(rest.sliced(1), 16, 0xFFFFFFFFu);
    else
        magnitude = parseMagnitude(rest, 10, negative ? 0x80000000u : 0x7FFFFFFFu);
    if (!magnitude)
        return std::nullopt;

    // Unsigned arithmetic wraps, which is exactly the two's-complement result wanted here.
    return static_cast<qint32>(negative ? 0u - *magnitude : *magnitude);
}

} // namespace core
