#include "shell/backup.h"

#include "recordingshell.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(BackupName, IsTheUserFollowedByDateAndTimeWithoutSeparators) {
    const struct {
        const char* user;
        QDateTime now;
        const char* expected;
    } cases[] = {
        {"demo", QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9, 990)), "demo5122026-140309"},
        // Day, month and hour without a leading zero; minutes and seconds always two digits.
        {"demo", QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)), "demo212027-30405"},
        {"demo", QDateTime(QDate(2026, 10, 31), QTime(23, 59, 59)), "demo31102026-235959"},
        {"demo", QDateTime(QDate(2026, 3, 9), QTime(0, 0, 0)), "demo932026-00000"},
        // Only the stamp loses its separators; the user name stays as it is.
        {"J. Novák", QDateTime(QDate(2026, 7, 14), QTime(9, 30, 0)), "J. Novák1472026-93000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shell::backupName(QString::fromUtf8(c.user), c.now),
                  QString::fromUtf8(c.expected))
            << c.expected;
    }
}

// The script of the application folder, started there without a shell in between: a user name
// with spaces stays one argument.
TEST(StartBackup, StartsTheScriptOfTheApplicationFolderOnTheUserFolder) {
    app::RunState state;
    state.applicationFolder = u"/opt/lexiton app"_s;
    state.userName = u"Eva Dvořáková"_s;
    RecordingShell system;
    const auto command = shell::backupCommand(state, QDateTime(QDate(2026, 1, 20), QTime(8, 5, 0)));
    EXPECT_EQ(command.archive, u"/opt/lexiton app/backup/Eva Dvořáková2012026-80500.tar.gz"_s);
    EXPECT_TRUE(shell::startBackup(system, command));
    ASSERT_EQ(system.started.size(), 1u);
    EXPECT_EQ(system.started[0].program, u"/opt/lexiton app/save.sh"_s);
    EXPECT_EQ(system.started[0].arguments,
              QStringList({u"/opt/lexiton app/Eva Dvořáková"_s, u"Eva Dvořáková2012026-80500"_s}));
    EXPECT_EQ(system.started[0].workingFolder, u"/opt/lexiton app"_s);
}

} // namespace
