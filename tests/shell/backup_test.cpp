#include "shell/backup.h"

#include "recordingshell.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct NameCase {
    const char* user;
    QDateTime now;
    const char* expected;
};

class BackupNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(BackupNameTest, IsTheUserFollowedByDateAndTimeWithoutSeparators) {
    const NameCase& example = GetParam();
    EXPECT_EQ(shell::backupName(QString::fromUtf8(example.user), example.now),
              QString::fromUtf8(example.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Stamps, BackupNameTest,
    ::testing::Values(
        NameCase{"demo", QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9)), "demo5122026-140309"},
        // Day, month and hour without a leading zero; minutes and seconds always two digits.
        NameCase{"demo", QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)), "demo212027-30405"},
        NameCase{"demo", QDateTime(QDate(2026, 10, 31), QTime(23, 59, 59)), "demo31102026-235959"},
        NameCase{"demo", QDateTime(QDate(2026, 3, 9), QTime(0, 0, 0)), "demo932026-00000"},
        // Only the stamp loses its separators; the user name stays as it is.
        NameCase{"J. Novák", QDateTime(QDate(2026, 7, 14), QTime(9, 30, 0)),
                 "J. Novák1472026-93000"}));

TEST(BackupName, TwoBackupsWithinOneSecondShareTheName) {
    const QDateTime first(QDate(2026, 12, 5), QTime(14, 3, 9, 10));
    const QDateTime second(QDate(2026, 12, 5), QTime(14, 3, 9, 990));
    EXPECT_EQ(shell::backupName(u"demo"_s, first), shell::backupName(u"demo"_s, second));
}

shell::RunState stateFor(const QString& user) {
    shell::RunState state;
    state.applicationFolder = u"/opt/lexiton app"_s;
    state.userName = user;
    return state;
}

TEST(BackupCommand, RunsTheScriptOfTheApplicationFolderThere) {
    const auto command =
        shell::backupCommand(stateFor(u"demo"_s), QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9)));
    EXPECT_EQ(command.program, u"/opt/lexiton app/save.sh"_s);
    EXPECT_EQ(command.arguments,
              QStringList({u"/opt/lexiton app/demo"_s, u"demo5122026-140309"_s}));
    EXPECT_EQ(command.workingFolder, u"/opt/lexiton app"_s);
    EXPECT_EQ(command.archive, u"/opt/lexiton app/backup/demo5122026-140309.tar.gz"_s);
}

TEST(BackupCommand, KeepsAUserNameWithSpacesInOneArgumentEach) {
    const auto command = shell::backupCommand(stateFor(u"Eva Dvořáková"_s),
                                              QDateTime(QDate(2026, 1, 20), QTime(8, 5, 0)));
    ASSERT_EQ(command.arguments.size(), 2);
    EXPECT_EQ(command.arguments[0], u"/opt/lexiton app/Eva Dvořáková"_s);
    EXPECT_EQ(command.arguments[1], u"Eva Dvořáková2012026-80500"_s);
}

TEST(StartBackup, StartsTheCommandWithoutAShellInBetween) {
    RecordingShell system;
    EXPECT_TRUE(shell::startBackup(
        system,
        shell::backupCommand(stateFor(u"demo"_s), QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9)))));
    ASSERT_EQ(system.started.size(), 1u);
    EXPECT_EQ(system.started[0].program, u"/opt/lexiton app/save.sh"_s);
    EXPECT_EQ(system.started[0].arguments,
              QStringList({u"/opt/lexiton app/demo"_s, u"demo5122026-140309"_s}));
    EXPECT_EQ(system.started[0].workingFolder, u"/opt/lexiton app"_s);
    EXPECT_TRUE(system.opened.isEmpty());
}

} // namespace
