#include "core/cp1250linereader.h"

#include "core/cp1250codec.h"
#include "core/fileerror.h"

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
    // Split in place rather than through a device: an import reads a million lines this way.
    QStringList lines;
    const QByteArrayView all(bytes);
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf('\n', start);
        const qsizetype next = end < 0 ? all.size() : end + 1;
        if (end < 0)
            end = all.size();
        else if (end > start && all[end - 1] == '\r')
            --end;
        lines.append(decodeCp1250(all.sliced(start, end - start)));
        start = next;
    }
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
