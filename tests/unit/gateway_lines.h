#pragma once

#include <string>
#include <vector>

// Where the clients keep their own lists, below HKEY_CURRENT_USER: the key
// they share, then today's Diablo's and Warcraft II's; at each key the
// override list comes before the normal one.
inline const std::string SHARED_GATEWAYS = "Software\\Battle.net\\Configuration";
inline const std::string DIABLO_GATEWAYS = "Software\\Battle.net\\D1\\Configuration";
inline const std::string WARCRAFT2_GATEWAYS = "Software\\Battle.net\\W2\\Configuration";
inline const std::string OVERRIDE_GATEWAYS = "Override Battle.net gateways";

// The normal list's value name at the key, as the clients spell it.
inline std::string GatewaysValueName(const std::string& key)
{
    return key == SHARED_GATEWAYS ? "Battle.net Gateways" : "Battle.net gateways";
}

// The data of a REG_MULTI_SZ value of these lines as the registry keeps it:
// UTF-16LE, each line ending in a zero unit, and an empty line ending the
// list.
inline std::string Utf16MultiString(const std::vector<std::u16string>& lines)
{
    std::string data;
    for (const std::u16string& line : lines)
        for (const char16_t unit : line + u'\0')
            data += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return data + std::string(2, '\0');
}

// The same for lines of 8-bit text, each byte the character of that number.
inline std::string MultiString(const std::vector<std::string>& lines)
{
    std::vector<std::u16string> wide(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (const char c : lines[i])
            wide[i] += static_cast<char16_t>(static_cast<unsigned char>(c));
    return Utf16MultiString(wide);
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
