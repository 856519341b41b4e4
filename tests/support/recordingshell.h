#pragma once

#include "core/clock.h"
#include "core/systemshell.h"

#include <QStringList>

// The operating system for tests: records what would have been opened or started, and
// answers as the test says whether it could.
class RecordingShell : public core::SystemShell {
public:
    struct Started {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    bool open(const QString& pathOrAddress) override {
        opened << pathOrAddress;
        return works;
    }
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingFolder) override {
        started.push_back({program, arguments, workingFolder});
        return works;
    }
    void beep() override { ++beeps; }

    QStringList opened;
    std::vector<Started> started;
    int beeps = 0;
    bool works = true; // false: the system finds no program for a document, or none to start
};

// A clock that shows the time the test sets.
class FixedClock : public core::Clock {
public:
    explicit FixedClock(QDateTime shown = QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9)))
        : time(std::move(shown)) {}
    QDateTime now() const override { return time; }
    QDateTime time;
};
