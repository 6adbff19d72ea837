#pragma once

#include <cstdint>

#include "platform/clock.h"
#include "ui/window_queue.h"

// The system calls a window hung when its thread has not looked into its
// queue for five seconds; the wait looks far more often than that.
constexpr std::uint32_t WINDOW_PEEK_INTERVAL_MS = 500;

// The clock of the window's thread. Its wait pumps the window: it answers
// the messages sent to it and repaints what needs it, and it looks into the
// queue when it begins, when it ends and at least every peek interval
// between, while clicks, keys and posted messages wait in the queue.
class WindowPumpingClock : public Clock {
  public:
    explicit WindowPumpingClock(WindowQueue& queue) : m_queue(queue) {}

    std::uint32_t TickCount() override { return m_queue.TickCount(); }
    void Sleep(std::uint32_t milliseconds) override;

  private:
    WindowQueue& m_queue;
};
