#pragma once

#include "app/runstate.h"
#include "shell/users.h"
#include "store/cursor.h"
#include "store/tablefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// A ready application folder in a temporary folder, made from the program's own table
// schemas: the shared tables in _other_ with the given users, each user's folder with
// its exam history and settings, and the templates a new user is made from.
class ApplicationFolder {
public:
    struct User {
        QString name;
        QString password; // as typed; stored the way the program stores it
    };

    explicit ApplicationFolder(const std::vector<User>& users) {
        QDir app(path());
        for (const char* folder : {"_other_", "_EmptyTable_", "Temp", "help", "Sounds"})
            app.mkpath(QString::fromLatin1(folder));
        table(QStringLiteral("_EmptyTable_/exam.db"), QStringLiteral("exam"));
        table(QStringLiteral("_EmptyTable_/dictonary.db"), QStringLiteral("dictonary"));
        for (const char* kind : {"runtime", "deprun", "runzn"})
            table(QStringLiteral("_other_/%1.db").arg(QString::fromLatin1(kind)),
                  QString::fromLatin1(kind));
        for (const char* name : {"setting.ini", "exam.ini", "code.ini", "bg.bmp", "key.ini"})
            write(QString::fromLatin1(name), "lessoncount=100\r\n");
        table(QStringLiteral("_other_/user.db"), QStringLiteral("user"));
        store::Cursor usersTable;
        usersTable.setDatabaseName(QDir(path()).filePath(QStringLiteral("_other_")));
        usersTable.setTableName(QStringLiteral("user.db"));
        usersTable.open();
        for (const User& user : users) {
            usersTable.appendRecord({user.name, QString()});
            if (!user.password.isEmpty())
                storePassword(usersTable, user.name, user.password);
            if (user.name == u"administrator")
                continue;
            app.mkpath(user.name + QStringLiteral("/results"));
            app.mkpath(user.name + QStringLiteral("/practice"));
            table(user.name + QStringLiteral("/exam.db"), QStringLiteral("exam"));
            write(user.name + QStringLiteral("/exam.ini"), "escape=no\r\n");
            write(user.name + QStringLiteral("/code.ini"), "\r\n");
        }
    }

    QString path() const { return m_dir.path(); }
    QString path(const QString& relative) const { return QDir(m_dir.path()).filePath(relative); }

    void write(const QString& relative, const QByteArray& bytes) const {
        QDir(path()).mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void table(const QString& relative, const QString& kind) const {
        QDir(path()).mkpath(QFileInfo(path(relative)).path());
        store::createTableFile(path(relative), kind);
    }

    // A cursor of its own, open on the table file at the relative path.
    std::unique_ptr<store::Cursor> open(const QString& relative) const {
        auto cursor = std::make_unique<store::Cursor>();
        cursor->setDatabaseName(QFileInfo(path(relative)).path());
        cursor->setTableName(QFileInfo(relative).fileName());
        cursor->open();
        return cursor;
    }

    shell::RunState runState() const {
        shell::RunState state;
        state.applicationFolder = path();
        return state;
    }

private:
    static void storePassword(store::Cursor& users, const QString& name, const QString& typed) {
        ASSERT_TRUE(shell::storePasswordOf(users, name, typed.toLower()));
    }

    QTemporaryDir m_dir;
};
