#pragma once

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

#include <functional>

// What a program run to its end left: its exit status (-1 when it did not end normally within
// a minute) and what it printed.
struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// childSetUp runs in the started process before the program, as QProcess's child process
// modifier.
inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             const QString& workingFolder,
                             const std::function<void()>& childSetUp = {}) {
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    if (childSetUp)
        process.setChildProcessModifier(childSetUp);
    process.start(program, arguments);
    const bool ended =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    EXPECT_TRUE(ended) << program.toStdString();
    return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
