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

// Decodes strictly valid UTF-8 only: anything QString::fromUtf8 might read otherwise (broken
// or overlong sequences, surrogates, noncharacters, a byte order mark) answers false.
template <typename Visit> bool forEachUtf8CodePoint(std::string_view utf8, Visit visit) {
    if (utf8.starts_with("\xEF\xBB\xBF"))
        return false;
    const auto* in = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* const end = in + utf8.size();
    while (in != end) {
        const unsigned lead = *in;
        if (lead < 0x80) {
            visit(char32_t{lead});
            ++in;
            continue;
        }
        const int length = lead >= 0xC2 && lead <= 0xDF   ? 2
                           : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                          : 0;
        if (length == 0 || end - in < length)
            return false;
        char32_t codePoint = lead & (0x7F >> length);
        for (int i = 1; i < length; ++i) {
            if ((in[i] & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (in[i] & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < least[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF) ||
            (codePoint >= 0xFDD0 && codePoint <= 0xFDEF) || (codePoint & 0xFFFE) == 0xFFFE)
            return false;
        visit(codePoint);
        in += length;
    }
    return true;
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
        if (const std::optional<char> byte = byteOf(codePoint)) {
            result.bytes.append(*byte);
            return;
        }
        result.bytes.append('?');
        result.unencodable.append(codePoint);
    });
    return result;
}

void CodePage::appendUtf8(std::string_view utf8, QByteArray& out,
                          QList<char32_t>& unencodable) const {
    const qsizetype start = out.size();
    const qsizetype lostBefore = unencodable.size();
    out.resize(start + static_cast<qsizetype>(utf8.size())); // never fewer UTF-8 bytes
    char* next = out.data() + start;
    const bool valid = forEachUtf8CodePoint(utf8, [&](char32_t codePoint) {
        if (codePoint < 0x80) { // most of the text, in every code page
            *next++ = static_cast<char>(codePoint);
        } else if (const std::optional<char> byte = byteOf(codePoint)) {
            *next++ = *byte;
        } else {
            *next++ = '?';
            unencodable.append(codePoint);
        }
    });
    if (valid) {
        out.truncate(next - out.constData());
        return;
    }
    out.truncate(start);
    unencodable.resize(lostBefore);
    const Cp1250Encoding encoded =
        encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    out.append(encoded.bytes);
    unencodable.append(encoded.unencodable);
}

std::optional<char> CodePage::byteOf(char32_t codePoint) const {
    if (codePoint < 0x80 || isWindows1250())
        return cp1250Byte(codePoint);
    if (const auto found = m_bytes.constFind(codePoint); found != m_bytes.cend())
        return *found;
    return std::nullopt;
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
