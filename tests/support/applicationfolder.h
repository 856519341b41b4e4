#pragma once

#include "app/runstate.h"
#include "scratchfolder.h"
#include "shell/users.h"

#include <memory>

// A ready application folder in a temporary folder, made from the program's own table
// schemas: the shared tables in _other_ with the given users, each user's folder with
// its exam history and settings, and the templates a new user is made from.
class ApplicationFolder : public ScratchFolder {
public:
    struct User {
        QString name;
        QString password; // as typed; stored the way the program stores it
    };

    explicit ApplicationFolder(const std::vector<User>& users) {
        for (const char* folder : {"_other_", "_EmptyTable_", "Temp", "help", "Sounds"})
            QDir(path()).mkpath(QString::fromLatin1(folder));
        for (const char* kind : {"exam", "dictonary"})
            createTable(u"_EmptyTable_/%1.db"_s.arg(QString::fromLatin1(kind)),
                        QString::fromLatin1(kind));
        for (const char* kind : {"runtime", "deprun", "runzn", "user"})
            createTable(u"_other_/%1.db"_s.arg(QString::fromLatin1(kind)),
                        QString::fromLatin1(kind));
        for (const char* name : {"setting.ini", "exam.ini", "code.ini", "bg.bmp", "key.ini"})
            write(QString::fromLatin1(name), "lessoncount=100\r\n");
        const auto usersTable = openTable(u"_other_/user.db"_s);
        for (const User& user : users) {
            usersTable->appendRecord({user.name, QString()});
            const QString typed = user.password.toLower();
            if (!typed.isEmpty() && !shell::storePasswordOf(*usersTable, user.name, typed))
                ADD_FAILURE() << "no user " << user.name.toStdString();
            if (user.name == u"administrator")
                continue;
            QDir(path()).mkpath(user.name + u"/results"_s);
            QDir(path()).mkpath(user.name + u"/practice"_s);
            createTable(user.name + u"/exam.db"_s, u"exam"_s);
            write(user.name + u"/exam.ini"_s, "escape=no\r\n");
            write(user.name + u"/code.ini"_s, "\r\n");
        }
    }

    app::RunState runState() const {
        app::RunState state;
        state.applicationFolder = path();
        return state;
    }
};
