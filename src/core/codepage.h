#pragma once

#include "core/cp1250codec.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <string_view>

namespace core {

// A single-byte Windows code page, the one a font's character set number stands for (204
// Cyrillic → 1251, 161 Greek → 1253, 0 Western → 1252, …). A dictionary of a language outside
// Windows-1250 keeps its foreign words in the code page of its foreign font, as the files
// made for it elsewhere do. Undefined bytes decode to the control character of the same
// number, so every file read and written back stays as it was.
class CodePage {
public:
    // The code page of a character set number; 238, 1 (the default set) and any number
    // without a code page of its own give Windows-1250.
    static const CodePage& forCharset(int charset);
    static const CodePage& windows1250();

    int number() const { return m_number; }
    bool isWindows1250() const { return m_number == 1250; }

    QString decode(QByteArrayView bytes) const;
    // One byte per code point; what the code page cannot hold becomes '?' and is listed.
    Cp1250Encoding encode(QStringView text) const;
    // The same bytes straight from UTF-8 text, appended to out, the lost code points to
    // unencodable: a long walk then builds no QString per field.
    void appendUtf8(std::string_view utf8, QByteArray& out, QList<char32_t>& unencodable) const;
    // The byte that holds the code point, if the code page has it.
    std::optional<char> byteOf(char32_t codePoint) const;

    // Text read from a file as Windows-1250 (which decodes every byte) as it reads in this
    // code page, and back: the bytes stay the same.
    QString fromCp1250Text(QStringView text) const;
    QString toCp1250Text(QStringView text, QList<char32_t>* unencodable = nullptr) const;

    explicit CodePage(int number);

private:
    int m_number;
    std::array<char16_t, 128> m_upperHalf{};
    QHash<char32_t, char> m_bytes; // the byte of each character of the upper half
};

} // namespace core
