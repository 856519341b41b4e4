// The main window's place, size and pane splits, kept per user between runs in window.ini.
#include "shell/ui/mainwindow.h"

#include "core/fileerror.h"
#include "shell/windowstates.h"

#include <QDir>
#include <QSplitter>

namespace shell {
namespace {

const QString kGeometry = QStringLiteral("geometry");

QString windowStatesPath(const app::RunState& state) {
    return QDir(state.userFolder()).filePath(QStringLiteral("window.ini"));
}

} // namespace

void MainWindow::restoreWindowPlacement() {
    // What cannot be restored keeps the designed size and splits.
    const WindowStates states = readWindowStates(windowStatesPath(m_state));
    if (const auto geometry = states.find(kGeometry); geometry != states.end())
        restoreGeometry(geometry->second);
    for (QSplitter* splitter : centralWidget()->findChildren<QSplitter*>()) {
        if (const auto split = states.find(splitter->objectName()); split != states.end())
            splitter->restoreState(split->second);
    }
}

void MainWindow::saveWindowPlacement() {
    if (m_state.loginCancelled || m_state.userName.isEmpty())
        return;
    WindowStates states{{kGeometry, saveGeometry()}};
    for (const QSplitter* splitter : centralWidget()->findChildren<QSplitter*>())
        states[splitter->objectName()] = splitter->saveState();
    try {
        writeWindowStates(windowStatesPath(m_state), states);
    } catch (const core::FileError&) {
        // The placement is a convenience: a user folder that cannot be written does not
        // hold up the exit, and the next start has the designed placement.
    }
}

} // namespace shell
