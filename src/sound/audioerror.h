#pragma once

#include "core/usererror.h"

namespace sound {

// A sound that could not be opened, recorded, played or saved.
class AudioError : public core::UserError {
public:
    using UserError::UserError;
};

} // namespace sound
