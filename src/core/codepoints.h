#pragma once

#include <QChar>
#include <QStringView>

namespace core {

// Calls visit(char32_t) for every code point of the text. A surrogate pair is one code point;
// a lone surrogate is passed on as it is, so that broken text is still visited unit by unit.
template <typename Visit> void forEachCodePoint(QStringView text, Visit visit) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            visit(QChar::surrogateToUcs4(text[i], text[i + 1]));
            ++i;
        } else {
            visit(char32_t{text[i].unicode()});
        }
    }
}

} // namespace core
