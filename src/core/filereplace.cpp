#include "core/filereplace.h"

#include "core/cp1250linewriter.h"
#include "core/fileerror.h"

#include <QSaveFile>

namespace core {

void replaceFile(const QString& path, const std::function<void(QIODevice& file)>& writeContent) {
    // Without the direct-write fallback, a folder that refuses a temporary file makes the
    // replacement fail instead of overwriting the old file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError::cannotWrite(path, file.errorString());
    writeContent(file);
    // What is still buffered is written here: a full disk found only by commit() would go
    // unreported, and the unfinished file would take the old one's place.
    if (!file.flush() || !file.commit())
        throw FileError::cannotWrite(path, file.errorString());
}

void replaceFile(const QString& path, QByteArrayView bytes) {
    replaceFile(path, [&](QIODevice& file) {
        if (file.write(bytes.data(), bytes.size()) != bytes.size())
            throw FileError::cannotWrite(path, file.errorString());
    });
}

QList<char32_t> replaceFileWithLines(const QString& path, const QStringList& lines) {
    QList<char32_t> unencodable;
    replaceFile(path, [&](QIODevice& file) {
        Cp1250LineWriter writer(file);
        for (const QString& line : lines)
            writer.writeLine(line);
        unencodable = writer.unencodable();
    });
    return unencodable;
}

} // namespace core
