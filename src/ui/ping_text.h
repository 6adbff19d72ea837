#pragma once

#include <cstdint>
#include <string>

// "N/A" for an unreachable server, otherwise the time in decimal.
std::string PingText(std::int32_t pingTime);
// Reads a ping cell back: "N/A" is unreachable, anything else its leading
// integer as atoi reads it.
std::int32_t PingValue(const std::string& text);
