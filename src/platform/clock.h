#pragma once

#include <cstdint>

// The system's 32-bit millisecond tick and a sleep, so that schedules with
// pauses can be run without waiting.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint32_t TickCount() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};
