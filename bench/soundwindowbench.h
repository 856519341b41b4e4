#pragma once

#include <QString>

namespace bench {

// Opening the sound window on the dictionary at path as its menu command does, offscreen:
// from the command until the window and its word grid have been painted once. Needs the
// QApplication of the benchmark program.
double openSoundWindow(const QString& path);

} // namespace bench
