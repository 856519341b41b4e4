#include "core/codepage.h"

#include "core/codepoints.h"

#include <QStringDecoder>

#include <map>

namespace core {
namespace {

int codePageNumber(int charset) {
    switch (charset) {
    case 0:
        return 1252; // Western
    case 161:
        return 1253; // Greek
    case 162:
        return 1254; // Turkish
    case 177:
        return 1255; // Hebrew
    case 178:
        return 1256; // Arabic
    case 186:
        return 1257; // Baltic
    case 163:
        return 1258; // Vietnamese
    case 204:
        return 1251; // Cyrillic
    default:
        return 1250;
    }
}

} // namespace

CodePage::CodePage(int number)
    : m_number(number) {
    const QByteArray name = "windows-" + QByteArray::number(number);
    QStringDecoder decoder(name.constData());
    for (int byte = 0x80; byte < 0x100; ++byte) {
        const char raw = char(byte);
        const QString character = number == 1250 || !decoder.isValid()
                                      ? decodeCp1250(QByteArrayView(&raw, 1))
                                      : decoder.decode(QByteArrayView(&raw, 1));
        const char16_t unit = character.size() == 1 ? character.at(0).unicode() : 0xFFFD;
        m_upperHalf[byte - 0x80] = unit == 0xFFFD ? char16_t(byte) : unit;
        m_bytes.insert(m_upperHalf[byte - 0x80], char(byte));
    }
}

const CodePage& CodePage::forCharset(int charset) {
    static const std::map<int, CodePage> pages = [] {
        std::map<int, CodePage> all;
        for (const int number : {1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258})
            all.emplace(number, CodePage(number));
        return all;
    }();
    return pages.at(codePageNumber(charset));
}

const CodePage& CodePage::windows1250() {
    return forCharset(238);
}

QString CodePage::decode(QByteArrayView bytes) const {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = QChar(value < 0x80 ? char16_t(value) : m_upperHalf[value - 0x80]);
    }
    return text;
}

Cp1250Encoding CodePage::encode(QStringView text) const {
    if (isWindows1250())
        return encodeCp1250(text);
    Cp1250Encoding result;
    result.bytes.reserve(text.size() + 2);
    forEachCodePoint(text, [&](char32_t codePoint) {
        if (codePoint < 0x80) {
            result.bytes.append(char(codePoint));
            return;
        }
        if (const auto found = m_bytes.constFind(codePoint); found != m_bytes.cend()) {
            result.bytes.append(*found);
            return;
        }
        result.bytes.append('?');
        result.unencodable.append(codePoint);
    });
    return result;
}

QString CodePage::fromCp1250Text(QStringView text) const {
    return isWindows1250() ? text.toString() : decode(encodeCp1250(text).bytes);
}

QString CodePage::toCp1250Text(QStringView text, QList<char32_t>* unencodable) const {
    if (isWindows1250())
        return text.toString();
    Cp1250Encoding encoded = encode(text);
    if (unencodable)
        unencodable->append(encoded.unencodable);
    return decodeCp1250(encoded.bytes);
}

} // namespace core
