#pragma once

#include <QMainWindow>

namespace shell {

// The main window (TForm1). For now only its frame: the menus and panes come with the
// start-up sequence.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace shell
