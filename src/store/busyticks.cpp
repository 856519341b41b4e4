#include "store/busyticks.h"

#include "store/cursor.h"
#include "store/database.h"

#include <thread>

namespace store {
namespace {

constexpr qint64 kTickMilliseconds = 30;

} // namespace

BusyTicks::BusyTicks(Cursor& cursor, std::function<void()> tick)
    : m_db(tick ? cursor.m_db : nullptr)
    , m_tick(std::move(tick))
    , m_thread(std::this_thread::get_id()) {
    if (!m_db)
        return;
    m_sinceTick.start();
    m_db->setProgressHandler(&BusyTicks::onProgress, this);
}

BusyTicks::~BusyTicks() {
    if (m_db)
        m_db->setProgressHandler(nullptr, nullptr);
}

int BusyTicks::onProgress(void* ticks) {
    auto* self = static_cast<BusyTicks*>(ticks);
    // A statement run on another thread ticks through the waiting thread instead.
    if (std::this_thread::get_id() != self->m_thread)
        return 0;
    if (self->m_sinceTick.elapsed() >= kTickMilliseconds) {
        self->m_tick();
        self->m_sinceTick.restart();
    }
    return 0; // go on
}

} // namespace store
