#pragma once

#include "shell/runstate.h"

#include <QString>

namespace shell {

// Reads a setting.ini into the run state: each line is lowered in case and matched by its
// key as a prefix. A read starts from the lesson count 100; a value that does not parse as
// a whole gives 100 as well. Raises core::FileError when the file cannot be read.
void readSettingIni(const QString& path, RunState& state);

} // namespace shell
