#pragma once

#include "core/usererror.h"

namespace store {

// A failed table operation. The message is the engine's own text (or ours, in Czech,
// where the store itself refuses), ready to follow "Hlášení zní: " in a user message.
class Error : public core::UserError {
public:
    using UserError::UserError;
};

} // namespace store
