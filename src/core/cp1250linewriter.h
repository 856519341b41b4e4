#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringView>

namespace core {

// Writes lines to a device as Windows-1250, each ended by CR LF. Characters the code page
// cannot hold are written as '?' and collected, so the caller can tell the user what was lost.
// A device that refuses the bytes raises FileError.
class Cp1250LineWriter {
public:
    explicit Cp1250LineWriter(QIODevice& device);

    void writeLine(QStringView line);
    // Bytes already in the file's code page: whole lines with their ends.
    void writeBytes(QByteArrayView bytes);

    // Every code point replaced so far, in order of appearance.
    const QList<char32_t>& unencodable() const { return m_unencodable; }

private:
    QIODevice& m_device;
    QList<char32_t> m_unencodable;
};

// The warning about characters Windows-1250 (or another code page) cannot hold, naming each
// once.
QString unencodableWarning(const QList<char32_t>& characters, int codePage = 1250);

} // namespace core
