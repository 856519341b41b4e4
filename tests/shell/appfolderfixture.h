#pragma once

#include "app/runstate.h"
#include "scratchfolder.h"
#include "scriptedmessages.h"

// A temporary application folder as the program finds it: the users table with the
// administrator, the empty exam table and the settings templates for a new user.
class AppFolderFixture : public ::testing::Test {
protected:
    void SetUp() override {
        state.applicationFolder = dir.path(u"app"_s);
        dir.createTable(u"app/_other_/user.db"_s, u"user"_s);
        dir.createTable(u"app/_EmptyTable_/exam.db"_s, u"exam"_s);
        for (const char* name : {"exam.ini", "bg.bmp", "code.ini", "setting.ini"})
            write(QString::fromLatin1(name), QByteArray("template ") + name);
        users.setDatabaseName(state.otherFolder());
        users.setTableName(u"user.db"_s);
        users.open();
        users.appendRecord({u"administrator"_s, QString()});
    }

    // A file of the application folder, written with the folders on the way; read, empty when
    // it cannot be.
    void write(const QString& relative, const QByteArray& bytes) const {
        dir.write(u"app/"_s + relative, bytes);
    }
    QByteArray read(const QString& relative) const { return dir.read(u"app/"_s + relative); }
    // The user names in key order.
    QStringList userNames() { return tableRows(users, {u"User"_s}); }
    // Entries of a folder of the application folder, sorted.
    QStringList entries(const QString& relative) const {
        return QDir(state.path(relative))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // A folder outside the application folder, beside it.
    QString outside(const QString& relative) const { return dir.path(relative); }

    app::RunState state;
    store::Cursor users;
    ScriptedMessages messages;
    ScratchFolder dir; // the application folder is its "app"
};
