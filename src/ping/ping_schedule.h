#pragma once

#include <cstdint>

// A "Ping" press less than this long after the end of the last one is dropped.
constexpr std::uint32_t PING_DEBOUNCE_MS = 500;
// How long each echo request waits for its reply.
constexpr std::int32_t PING_TIMEOUT_MS = 1500;
// Echo requests per server.
constexpr std::int32_t PING_ATTEMPTS = 3;
// The pause after starting each probe, the last one included.
constexpr std::uint32_t PROBE_START_GAP_MS = 200;
// The pause in every polling pass.
constexpr std::uint32_t PING_POLL_MS = 1000;
// The games' own port, to which each probe opens one connection.
constexpr std::uint16_t GAME_PORT = 6112;
// How long that connection may take: more than an echo's wait, for the
// systems that send a refused connection again before they say so.
constexpr std::int32_t GAME_PORT_TIMEOUT_MS = 2000;
// The game services ban addresses that connect in quick succession: a host
// sees one connection at most in this long.
constexpr std::uint32_t GAME_PORT_INTERVAL_MS = 120000;
