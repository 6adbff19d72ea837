#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

// What the last connection to each host's game port gave, and when, so
// that no host sees more than one connection in GAME_PORT_INTERVAL_MS
// however often "Ping" is pressed. It lives as long as the window and is
// used by the window's thread alone.
class GamePortMemory {
  public:
    // The outcome of the host's last connection while that is less than
    // the interval old at the tick; nothing when a new one may be made.
    std::optional<std::int32_t> Recent(const std::string& host, std::uint32_t now) const;
    void Remember(const std::string& host, std::int32_t gamePortTime, std::uint32_t now);

  private:
    struct Connection {
        std::int32_t gamePortTime;
        std::uint32_t tick;
    };
    std::map<std::string, Connection> m_connections;
};
