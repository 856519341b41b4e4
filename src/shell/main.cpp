#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexiton"));
    shell::MainWindow window;
    window.show();
    return QApplication::exec();
}
