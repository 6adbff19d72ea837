#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/clock.h"

// A tick that moves only when someone sleeps; records every sleep.
class FakeClock : public Clock {
  public:
    std::uint32_t TickCount() override { return now; }
    void Sleep(std::uint32_t milliseconds) override
    {
        sleeps.push_back(milliseconds);
        now += milliseconds;
        if (afterSleep)
            afterSleep();
    }

    std::uint32_t now = 0;
    std::vector<std::uint32_t> sleeps;
    // Runs after every sleep, with the tick already moved on.
    std::function<void()> afterSleep;
};
