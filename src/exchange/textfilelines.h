#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace exchange {

// The lines of a text file offered for import. The program's own files are Windows-1250, but
// files made by today's editors are often UTF-8, so the file is read as UTF-8 when it starts
// with the UTF-8 byte-order mark, or when it holds bytes above 127, every one of them in a
// well-formed UTF-8 sequence, and none decoding to a C1 control character. Windows-1250
// Czech text almost never passes that test: its accented small letters (á, é, í, ř, ...) are
// bytes that would have to open a sequence of three or four and be followed by continuation
// bytes. Otherwise the file is Windows-1250. Lines end at LF or CR LF.
//
// A file holding a zero byte is not text (a table, a picture, a program): it is refused with
// core::FileError, as is a file that cannot be read.
// unicode, when given, tells whether the file was read as UTF-8.
QStringList readImportLines(const QString& path, bool* unicode = nullptr);

// The same, for bytes already in memory.
QStringList textLines(const QByteArray& bytes, bool* unicode = nullptr);

} // namespace exchange
