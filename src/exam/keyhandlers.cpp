#include "exam/keyhandlers.h"

#include "core/settingsline.h"

namespace exam {

bool applyFirstMatchingKey(const QString& line, std::span<const KeyHandler> handlers) {
    for (const KeyHandler& handler : handlers) {
        if (const auto value = core::valueAfterKey(line, handler.key)) {
            handler.apply(*value);
            return true;
        }
    }
    return false;
}

} // namespace exam
