#include "mainwindow.h"
#include "store/cursor.h"
#include "store/error.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

// Until the login exists, say which application folder the program found and which
// users its users table holds.
void reportApplicationFolder() {
    QTextStream out(stdout);
    out << "Lexiton: application folder " << QDir::currentPath() << Qt::endl;
    store::Cursor users;
    users.setDatabaseName(QDir::current().filePath(QStringLiteral("_other_")));
    users.setTableName(QStringLiteral("user.db"));
    try {
        users.open();
        for (users.first(); !users.eof(); users.next())
            out << "  user: " << users.field(QStringLiteral("User")).asString() << Qt::endl;
    } catch (const store::Error& error) {
        out << "  the users table cannot be opened: " << error.message() << Qt::endl;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexiton"));
    reportApplicationFolder();
    shell::MainWindow window;
    window.show();
    return QApplication::exec();
}
