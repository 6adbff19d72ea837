#pragma once

#include <cstdint>
#include <vector>

#include "fakes/fake_clock.h"
#include "ui/window_queue.h"

// The window's queue on the fake clock: answering takes the whole time
// given, and every look into the queue records its tick.
class FakeWindowQueue : public WindowQueue {
  public:
    explicit FakeWindowQueue(FakeClock& clock) : m_clock(clock) {}

    std::uint32_t TickCount() override { return m_clock.now; }
    void AnswerSentAndPaint(std::uint32_t milliseconds) override { m_clock.Sleep(milliseconds); }
    void Peek() override { peeks.push_back(m_clock.now); }

    std::vector<std::uint32_t> peeks;

  private:
    FakeClock& m_clock;
};
