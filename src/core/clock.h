#pragma once

#include <QDateTime>

namespace core {

// The time of day, for everything that stamps or names something by it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace core
