#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/clock.h"

// A tick that moves only when someone sleeps; records every sleep.
class FakeClock : public Clock {
  public:
    static constexpr size_t MAX_SLEEPS = 100000;

    std::uint32_t TickCount() override { return now; }
    void Sleep(std::uint32_t milliseconds) override
    {
        // A schedule that never ends fails its test instead of hanging it.
        if (sleeps.size() == MAX_SLEEPS)
            throw std::runtime_error("more than " + std::to_string(MAX_SLEEPS) + " sleeps");
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
