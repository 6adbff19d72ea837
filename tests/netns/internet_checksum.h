#pragma once

#include <arpa/inet.h>

#include <cstddef>
#include <cstdint>

// The one's-complement sum of IP, ICMP and TCP headers, in network byte
// order; sum carries what was added before, such as a TCP pseudo-header.
inline std::uint16_t Checksum(const std::uint8_t* data, std::size_t size, std::uint32_t sum = 0)
{
    for (std::size_t i = 0; i + 1 < size; i += 2)
        sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
    if (size % 2 != 0)
        sum += static_cast<std::uint32_t>(data[size - 1] << 8);
    while (sum >> 16 != 0)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return htons(static_cast<std::uint16_t>(~sum));
}
