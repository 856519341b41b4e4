#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// A failed table operation. The message is the engine's own text (or ours, in Czech,
// where the store itself refuses), ready to follow "Hlášení zní: " in a user message.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace store
