#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <optional>

namespace core {

// Reads decoded Windows-1250 lines from a device one at a time, so that a large import file
// never has to be held whole. A line ends at LF or CR LF; a last line without an ending is
// still a line, and an ending at the very end of the file does not start an empty one.
// A CR that is not directly before the LF is ordinary text and stays in the line: dropping it
// would change the entry, and a file read and written back must keep its bytes. For the same
// reason the device must be opened without QIODevice::Text, which would drop every CR.
class Cp1250LineReader {
public:
    explicit Cp1250LineReader(QIODevice& device);

    // The next line without its ending, or nothing once the device is exhausted.
    std::optional<QString> next();

private:
    QIODevice& m_device;
};

// Every line of a whole file's bytes, read by the same rules as Cp1250LineReader.
QStringList splitCp1250Lines(const QByteArray& bytes);

// Every line of a Windows-1250 file (a settings file, a template), by the same rules. A file
// that cannot be opened or read raises core::FileError: with the given failure message when
// the file is one the user knows by name, else "Soubor nelze číst: <path> (<reason>)".
QStringList readCp1250FileLines(const QString& path);
QStringList readCp1250FileLines(const QString& path, const QString& failure);

} // namespace core
