#pragma once

class QApplication;

namespace widgets {

// The windowing toolkit as the program needs it, set up before the first window: Qt's own
// texts (the file and font dialogs, the standard buttons) in Czech when Qt's translations
// are installed, drop-down lists of a limited height, and every dialog at least as wide as
// its caption needs, so that title bars do not elide it.
void setUpCzechToolkit(QApplication& app);

} // namespace widgets
