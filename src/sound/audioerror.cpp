#include "sound/audioerror.h"

namespace sound {

AudioError::AudioError(const QString& message)
    : std::runtime_error(message.toStdString())
    , m_message(message) {}

} // namespace sound
