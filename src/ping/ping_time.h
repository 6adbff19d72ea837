#pragma once

#include <cstdint>
#include <string>

// The ping time of a server that answered no echo request; shown as "N/A".
constexpr std::int32_t PING_UNREACHABLE = 9999;

// "N/A" for an unreachable server, otherwise the time in decimal.
std::string PingText(std::int32_t pingTime);
// Reads a ping cell back: "N/A" is unreachable, anything else its leading
// integer as atoi reads it.
std::int32_t PingValue(const std::string& text);
