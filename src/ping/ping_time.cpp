#include "ping/ping_time.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

std::string PingText(std::int32_t pingTime)
{
    return pingTime == PING_UNREACHABLE ? "N/A" : std::to_string(pingTime);
}

std::int32_t PingValue(const std::string& text)
{
    if (text == "N/A")
        return PING_UNREACHABLE;
    // atoi's reading, but saturated: a cell can hold any text, and atoi's
    // behaviour on overflow is undefined.
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<std::int32_t>(value);
}
