#include "ping/ping_time.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// atoi's reading, but saturated: a cell can hold any text, and atoi's
// behaviour on overflow is undefined.
std::int32_t LeadingInteger(const std::string& text)
{
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::string PingText(std::int32_t pingTime)
{
    return pingTime == PING_UNREACHABLE ? "N/A" : std::to_string(pingTime);
}

std::int32_t PingValue(const std::string& text)
{
    if (text == "N/A")
        return PING_UNREACHABLE;
    return LeadingInteger(text);
}

std::string GamePortText(std::int32_t gamePortTime)
{
    switch (gamePortTime) {
    case GAME_PORT_UNMEASURED:
        return "";
    case GAME_PORT_CLOSED:
        return "Closed";
    case GAME_PORT_NO_ANSWER:
        return "N/A";
    default:
        return std::to_string(gamePortTime);
    }
}

std::int32_t GamePortValue(const std::string& text)
{
    if (text.empty())
        return GAME_PORT_UNMEASURED;
    if (text == "Closed")
        return GAME_PORT_CLOSED;
    if (text == "N/A")
        return GAME_PORT_NO_ANSWER;
    return LeadingInteger(text);
}
