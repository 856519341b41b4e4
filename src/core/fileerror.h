#pragma once

#include <QString>

#include <stdexcept>

namespace core {

// A file the program could not read or write; the message is ready to show to the user.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& message);

    // "Soubor nelze zapsat: <path> (<reason>)", the reason as the system words it.
    static FileError cannotWrite(const QString& path, const QString& reason);

    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace core
