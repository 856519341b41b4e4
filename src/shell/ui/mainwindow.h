#pragma once

#include "shell/runstate.h"
#include "shell/ui/services.h"

#include <QMainWindow>

namespace shell {

// The main window (TForm1): owns the run state and the tables, runs the start-up
// sequence when first shown and the shutdown sequence when closed.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Services& services, RunState& state, const QString& preselectedUser,
               QWidget* parent = nullptr);

private:
    Services& m_services;
    RunState& m_state;
    QString m_preselectedUser;
};

} // namespace shell
