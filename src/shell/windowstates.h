#pragma once

#include <QByteArray>
#include <QString>

#include <map>

namespace shell {

// window.ini in the user folder: how the user left the main window, as the states the
// windowing toolkit saves (the window's place, size and maximised state; each splitter's
// positions), one "name=Base64" line each, Windows-1250 with CR LF.
using WindowStates = std::map<QString, QByteArray>;

// A missing or unreadable file gives no states; a damaged line is left out.
WindowStates readWindowStates(const QString& path);
// Replaces the file whole; raises core::FileError when it cannot be written.
void writeWindowStates(const QString& path, const WindowStates& states);

} // namespace shell
