#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace core {

// The program's text files are single-byte Windows-1250. Every byte decodes to a character:
// the five bytes the code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) decode to the
// control characters of the same number, so any file read and written back is unchanged.
QString decodeCp1250(QByteArrayView bytes);

// The byte that holds the code point in Windows-1250, if the code page has it.
std::optional<char> cp1250Byte(char32_t codePoint);

struct Cp1250Encoding {
    QByteArray bytes;
    // Code points the code page cannot hold, in order of appearance; each became one '?'.
    QList<char32_t> unencodable;

    bool isLossless() const { return unencodable.isEmpty(); }
};

// A surrogate pair counts as one code point; a lone surrogate counts as one unencodable unit.
Cp1250Encoding encodeCp1250(QStringView text);
// The same bytes appended to out, the lost code points to unencodable: a long export then
// makes no array per line.
void appendCp1250(QStringView text, QByteArray& out, QList<char32_t>& unencodable);

} // namespace core
