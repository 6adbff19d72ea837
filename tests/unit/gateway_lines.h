#pragma once

#include <string>
#include <vector>

// The data of a REG_MULTI_SZ value of these lines: each ends in a zero
// byte, and an empty line ends the list.
inline std::string MultiString(const std::vector<std::string>& lines)
{
    std::string data;
    for (const std::string& line : lines)
        data += line + '\0';
    return data + '\0';
}

// A list in the clients' layout of `count` gateways on loopback addresses,
// gateway n at 127.0.0.n, with the given selection line.
inline std::vector<std::string> LoopbackGateways(int count, const std::string& selection = "01")
{
    std::vector<std::string> lines = {"2000", selection};
    for (int n = 1; n <= count; ++n)
        lines.insert(lines.end(), {"127.0.0." + std::to_string(n), "-1", "Loopback " + std::to_string(n)});
    return lines;
}
