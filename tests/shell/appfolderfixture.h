#pragma once

#include "app/runstate.h"
#include "scriptedmessages.h"
#include "store/cursor.h"
#include "store/tablefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

// A temporary application folder as the program finds it: the users table with the
// administrator, the empty exam table and the settings templates for a new user.
class AppFolderFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        state.applicationFolder = m_dir.path() + u"/app"_s;
        QDir().mkpath(state.otherFolder());
        QDir().mkpath(state.emptyTableFolder());
        store::createTableFile(QDir(state.otherFolder()).filePath(u"user.db"_s), u"user"_s);
        store::createTableFile(QDir(state.emptyTableFolder()).filePath(u"exam.db"_s), u"exam"_s);
        for (const QString& name : {u"exam.ini"_s, u"bg.bmp"_s, u"code.ini"_s, u"setting.ini"_s})
            writeFile(state.path(name), u"template "_s + name);
        users.setDatabaseName(state.otherFolder());
        users.setTableName(u"user.db"_s);
        users.open();
        users.appendRecord({u"administrator"_s, QString()});
    }

    static void writeFile(const QString& path, const QString& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(text.toUtf8());
    }
    static QString readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // The user names in key order.
    QStringList userNames() {
        QStringList names;
        for (users.first(); !users.eof(); users.next())
            names << users.field(u"User"_s).asString();
        return names;
    }
    // Entries of a folder of the application folder, sorted.
    QStringList entries(const QString& relative) const {
        return QDir(state.path(relative))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // A folder outside the application folder, beside it.
    QString outside(const QString& relative) const { return m_dir.path() + u'/' + relative; }

    shell::RunState state;
    store::Cursor users;
    ScriptedMessages messages;

private:
    QTemporaryDir m_dir;
};
