#pragma once

#include "app/runstate.h"
#include "scratchfolder.h"
#include "scriptedmessages.h"

// A temporary application folder as the program finds it: the users table with the
// administrator, the empty exam table and the settings templates for a new user.
class AppFolderFixture : public ::testing::Test {
protected:
    void SetUp() override {
        state.applicationFolder = m_dir.path(u"app"_s);
        m_dir.createTable(u"app/_other_/user.db"_s, u"user"_s);
        m_dir.createTable(u"app/_EmptyTable_/exam.db"_s, u"exam"_s);
        for (const QString& name : {u"exam.ini"_s, u"bg.bmp"_s, u"code.ini"_s, u"setting.ini"_s})
            writeFile(state.path(name), u"template "_s + name);
        users.setDatabaseName(state.otherFolder());
        users.setTableName(u"user.db"_s);
        users.open();
        users.appendRecord({u"administrator"_s, QString()});
    }

    // Writes the text as UTF-8, making the folders on the way.
    static void writeFile(const QString& path, const QString& text) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(text.toUtf8());
    }
    static QString readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // The user names in key order.
    QStringList userNames() { return tableRows(users, {u"User"_s}); }
    // Entries of a folder of the application folder, sorted.
    QStringList entries(const QString& relative) const {
        return QDir(state.path(relative))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // A folder outside the application folder, beside it.
    QString outside(const QString& relative) const { return m_dir.path(relative); }

    app::RunState state;
    store::Cursor users;
    ScriptedMessages messages;

private:
    ScratchFolder m_dir;
};
