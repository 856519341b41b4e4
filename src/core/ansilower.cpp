#include "core/ansilower.h"

#include "core/codepoints.h"

namespace core {
namespace {

QString loweredCodePoints(QStringView text) {
    QString lowered;
    lowered.reserve(text.size());
    forEachCodePoint(text, [&](char32_t codePoint) {
        lowered.append(QChar::fromUcs4(QChar::toLower(codePoint)));
    });
    return lowered;
}

} // namespace

QString ansiLower(QStringView text) {
    // Unicode's simple lower-case mapping gives, for every upper-case letter of Windows-1250,
    // exactly its lower-case partner in the code page, so one mapping serves the whole text.
    // Characters outside the code page are lowered by it too: text typed by the user or pasted
    // may hold them, and lowering them is the useful choice that harms no comparison.
    // The mapping is the simple one, taken per code point, so no character turns into two.
    QString lowered(text.size(), Qt::Uninitialized);
    QChar* out = lowered.data();
    for (const QChar c : text) {
        if (c.isSurrogate())
            return loweredCodePoints(text);
        // A character of the basic plane lowers to one of the basic plane.
        *out++ = QChar(static_cast<char16_t>(QChar::toLower(char32_t(c.unicode()))));
    }
    return lowered;
}

} // namespace core
