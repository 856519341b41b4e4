#include "core/cp1250linewriter.h"

#include "core/cp1250codec.h"
#include "core/fileerror.h"

#include <QFileDevice>

namespace core {

Cp1250LineWriter::Cp1250LineWriter(QIODevice& device)
    : m_device(device) {}

void Cp1250LineWriter::writeLine(QStringView line) {
    Cp1250Encoding encoded = encodeCp1250(line);
    encoded.bytes.append("\r\n");
    writeBytes(encoded.bytes);
    m_unencodable.append(encoded.unencodable);
}

void Cp1250LineWriter::writeBytes(QByteArrayView bytes) {
    if (m_device.write(bytes.data(), bytes.size()) != bytes.size()) {
        const auto* file = qobject_cast<const QFileDevice*>(&m_device);
        throw FileError::cannotWrite(file ? file->fileName() : QString(), m_device.errorString());
    }
}

QString unencodableWarning(const QList<char32_t>& characters, int codePage) {
    QString named;
    for (const char32_t character : characters) {
        const QString text = QString::fromUcs4(&character, 1);
        if (!named.contains(text))
            named += text;
    }
    return QStringLiteral("Tyto znaky nelze zapsat v kódování Windows-%1, v souboru je nahradil "
                          "otazník: ")
               .arg(codePage) +
           named;
}

} // namespace core
