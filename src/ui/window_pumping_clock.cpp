#include "ui/window_pumping_clock.h"

#include <algorithm>

void WindowPumpingClock::Sleep(std::uint32_t milliseconds)
{
    const std::uint32_t start = m_queue.TickCount();
    m_queue.Peek();
    for (std::uint32_t elapsed = 0; elapsed < milliseconds; elapsed = m_queue.TickCount() - start) {
        m_queue.AnswerSentAndPaint(std::min(milliseconds - elapsed, WINDOW_PEEK_INTERVAL_MS));
        m_queue.Peek();
    }
}
