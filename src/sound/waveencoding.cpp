#include "sound/waveencoding.h"

#include "core/fileerror.h"
#include "core/filereplace.h"
#include "sound/audioerror.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QtEndian>

namespace sound {

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 kFormatChunkSize = 16;

template <typename T> void appendLittleEndian(QByteArray& bytes, T value) {
    char buffer[sizeof(T)];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, sizeof(T));
}

AudioError cannotSave(const QString& path, const QString& reason) {
    return AudioError(u"Zvukový soubor nelze uložit: %1 (%2)"_s.arg(path, reason));
}

} // namespace

QByteArray encodeWave(const PcmSound& sound) {
    const auto& format = sound.format;
    const auto dataSize = quint32(sound.samples.size());
    const quint32 padding = dataSize % 2;
    QByteArray bytes;
    bytes.reserve(44 + sound.samples.size() + padding);
    bytes.append("RIFF");
    appendLittleEndian<quint32>(bytes, 36 + dataSize + padding);
    bytes.append("WAVEfmt ");
    appendLittleEndian<quint32>(bytes, kFormatChunkSize);
    appendLittleEndian<quint16>(bytes, format.formatTag);
    appendLittleEndian<quint16>(bytes, format.channels);
    appendLittleEndian<quint32>(bytes, format.samplesPerSecond);
    appendLittleEndian<quint32>(bytes, format.averageBytesPerSecond);
    appendLittleEndian<quint16>(bytes, format.blockAlign);
    appendLittleEndian<quint16>(bytes, quint16(format.bitsPerSample()));
    bytes.append("data");
    appendLittleEndian<quint32>(bytes, dataSize);
    bytes.append(sound.samples);
    if (padding != 0) {
        bytes.append('\0');
    }
    return bytes;
}

void saveWave(const QString& path, const PcmSound& sound) {
    sound.format.validate();
    try {
        core::replaceFile(path, encodeWave(sound));
    } catch (const core::FileError& error) {
        throw cannotSave(path, error.message());
    }
}

void saveNewWave(const QString& path, const PcmSound& sound) {
    sound.format.validate();
    if (QFileInfo::exists(path))
        throw cannotSave(path, u"soubor již existuje"_s);
    const QByteArray bytes = encodeWave(sound);
    QTemporaryFile file(QFileInfo(path).absolutePath() + u"/.XXXXXX.part"_s);
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        throw cannotSave(path, file.errorString());
    file.close();
    // A temporary file is the owner's alone; a sound is read like the files beside it.
    file.setPermissions(file.permissions() | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // QFile::rename refuses an existing target, which QTemporaryFile::rename would replace.
    QFile written(file.fileName());
    if (!written.rename(path))
        throw cannotSave(path, written.errorString());
    file.setAutoRemove(false);
}

} // namespace sound
