#include "shell/ui/mainwindow.h"

namespace shell {

MainWindow::MainWindow(Services& services, RunState& state, const QString& preselectedUser,
                       QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_state(state)
    , m_preselectedUser(preselectedUser) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Lexiton"));
    resize(644, 483);
}

} // namespace shell
