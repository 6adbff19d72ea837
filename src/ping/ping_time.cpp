#include "ping/ping_time.h"

std::string PingText(std::int32_t pingTime)
{
    return pingTime == PING_UNREACHABLE ? "N/A" : std::to_string(pingTime);
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
