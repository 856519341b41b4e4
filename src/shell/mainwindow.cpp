#include "mainwindow.h"

namespace shell {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Lexiton"));
    resize(800, 600);
}

} // namespace shell
