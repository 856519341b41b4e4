#pragma once

#include <QString>

#include <stdexcept>

namespace sound {

// A sound that could not be opened, recorded, played or saved; the message is ready to show
// to the user.
class AudioError : public std::runtime_error {
public:
    explicit AudioError(const QString& message);

    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace sound
