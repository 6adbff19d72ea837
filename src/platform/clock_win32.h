#pragma once

#include "platform/clock.h"

// GetTickCount and Sleep.
class Win32Clock : public Clock {
  public:
    std::uint32_t TickCount() override;
    void Sleep(std::uint32_t milliseconds) override;
};
