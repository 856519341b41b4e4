#include "core/cp1250linereader.h"

#include "core/cp1250codec.h"
#include "core/fileerror.h"

#include <QBuffer>
#include <QFile>

#include <utility>

namespace core {

Cp1250LineReader::Cp1250LineReader(QIODevice& device)
    : m_device(device) {}

std::optional<QString> Cp1250LineReader::next() {
    if (m_device.atEnd())
        return std::nullopt;
    QByteArray line = m_device.readLine();
    if (line.isEmpty())
        return std::nullopt;
    if (line.endsWith('\n')) {
        line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return decodeCp1250(line);
}

QStringList splitCp1250Lines(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    Cp1250LineReader reader(buffer);
    QStringList lines;
    while (auto line = reader.next())
        lines.append(std::move(*line));
    return lines;
}

QStringList readCp1250FileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError::cannotRead(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError::cannotRead(path, file.errorString());
    return splitCp1250Lines(bytes);
}

QStringList readCp1250FileLines(const QString& path, const QString& failure) {
    try {
        return readCp1250FileLines(path);
    } catch (const FileError&) {
        throw FileError(failure);
    }
}

} // namespace core
