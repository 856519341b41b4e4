#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

// A fuzz target's input, for readers that take bytes, text or a file.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)) {}

    const QByteArray& bytes() const { return m_bytes; }
    QString utf8() const { return QString::fromUtf8(m_bytes); }

    // The input written as the file of that name in a folder of the target's own.
    QString file(const QString& name) const {
        const QString path = folder(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(m_bytes) < 0)
            std::abort();
        return path;
    }

    // A path in the target's folder, which lives as long as the process.
    static QString folder(const QString& relative) {
        static const QTemporaryDir dir;
        return dir.filePath(relative);
    }

private:
    QByteArray m_bytes;
};

// A finding: what a reader gave back breaks its promise.
inline void require(bool promise) {
    if (!promise)
        std::abort();
}
