#include "ping/game_port_memory.h"

#include "clients/host_key.h"
#include "ping/ping_schedule.h"

std::optional<std::int32_t> GamePortMemory::Recent(const std::string& host, std::uint32_t now) const
{
    auto found = m_connections.find(HostKey(host));
    // Unsigned arithmetic gives the true elapsed time across a wrap of the tick.
    if (found == m_connections.end() || now - found->second.tick >= GAME_PORT_INTERVAL_MS)
        return std::nullopt;
    return found->second.gamePortTime;
}

void GamePortMemory::Remember(const std::string& host, std::int32_t gamePortTime, std::uint32_t now)
{
    m_connections[HostKey(host)] = {gamePortTime, now};
}
