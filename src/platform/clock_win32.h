#pragma once

#include "platform/clock.h"

// GetTickCount and Sleep.
class Win32Clock : public Clock {
  public:
    std::uint32_t TickCount() override;
    void Sleep(std::uint32_t milliseconds) override;
};

// A clock for a window's thread: its sleep keeps the thread's windows
// answering messages sent to them and repainting what needs it, while
// clicks, keys and posted messages wait in the queue until the sleeper is
// done.
class Win32WindowClock : public Win32Clock {
  public:
    void Sleep(std::uint32_t milliseconds) override;
};
