#pragma once

#include <cstdint>
#include <string>

#include "lists/server_list.h"

// The ping time of a server that answered no echo request; shown as "N/A".
constexpr std::int32_t PING_UNREACHABLE = 9999;

// "N/A" for an unreachable server, otherwise the time in decimal.
std::string PingText(std::int32_t pingTime);

// Game port times that are no time: the port refused the connection, or
// nothing answered it.
constexpr std::int32_t GAME_PORT_CLOSED = -2;
constexpr std::int32_t GAME_PORT_NO_ANSWER = -3;

// "" until measured, "Closed" for a refused connection, "N/A" for no
// answer, otherwise the time in decimal.
std::string GamePortText(std::int32_t gamePortTime);
// Whether the game port took the connection: the time is a time.
inline bool IsGamePortOpen(std::int32_t gamePortTime)
{
    return gamePortTime >= 0;
}
