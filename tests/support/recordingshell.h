#pragma once

#include "core/clock.h"
#include "core/systemshell.h"

#include <QStringList>

// The operating system for tests: records what would have been opened or started.
class RecordingShell : public core::SystemShell {
public:
    struct Started {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    void open(const QString& pathOrAddress) override { opened << pathOrAddress; }
    void startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingFolder) override {
        started.push_back({program, arguments, workingFolder});
    }
    void beep() override { ++beeps; }

    QStringList opened;
    std::vector<Started> started;
    int beeps = 0;
};

// A clock that shows the time the test sets.
class FixedClock : public core::Clock {
public:
    explicit FixedClock(QDateTime shown = QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9)))
        : time(std::move(shown)) {}
    QDateTime now() const override { return time; }
    QDateTime time;
};
