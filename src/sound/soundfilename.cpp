#include "sound/soundfilename.h"

namespace sound {

namespace {

constexpr qsizetype kMaxNameLength = 120;

bool isAsciiLetter(char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

} // namespace

QString soundFileName(const QString& key, const core::CodePage& codePage) {
    static constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
    QString name;
    for (const char byte : codePage.encode(key).bytes) {
        if (name.size() >= kMaxNameLength) {
            break;
        }
        if (isAsciiLetter(byte)) {
            name += QLatin1Char(byte);
        } else {
            const auto value = quint8(byte);
            name += u'#';
            name += QChar(kHexDigits[value >> 4]);
            name += QChar(kHexDigits[value & 0x0F]);
        }
    }
    name.truncate(kMaxNameLength);
    return name;
}

} // namespace sound
