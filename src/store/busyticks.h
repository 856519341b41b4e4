#pragma once

#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <thread>

namespace store {

class Cursor;
class Database;

// While it lives, a long statement on the cursor's table file (reading a large view, building
// an index) calls tick every few hundredths of a second, so that a window can show that it is
// still at work. tick must not use any table. An empty tick does nothing.
class BusyTicks {
public:
    BusyTicks(Cursor& cursor, std::function<void()> tick);
    ~BusyTicks();
    BusyTicks(const BusyTicks&) = delete;
    BusyTicks& operator=(const BusyTicks&) = delete;

private:
    static int onProgress(void* ticks);

    std::shared_ptr<Database> m_db;
    std::function<void()> m_tick;
    std::thread::id m_thread;
    QElapsedTimer m_sinceTick;
};

} // namespace store
