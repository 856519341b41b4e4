#pragma once

#include <QString>

#include <stdexcept>

namespace core {

// An expected failure the user is told about: a file that cannot be read, a refused post,
// a sound that cannot be played. The message is Czech text ready to show; what() holds the
// same text for logs and tests.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace core
