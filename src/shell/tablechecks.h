#pragma once

#include "app/runstate.h"

#include <QString>

#include <optional>

namespace shell {

// Opens and closes again the user's exam history and the three exam working tables, as
// start-up does to make sure an exam will find them. Returns the message to show for the
// first that cannot be opened, or nothing when all open.
std::optional<QString> checkExamTables(const app::RunState& state);

} // namespace shell
