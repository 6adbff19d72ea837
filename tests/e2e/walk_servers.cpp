#include "walk_servers.h"

PrivateServers ServersToAdd(const WalkSetup& setup)
{
    if (setup.fixture)
        return {{setup.fixture->silent, "Old clan server"},  {"127.0.0.9", "Mistyped"},
                {setup.fixture->delayed, "Clan server"},     {setup.fixture->portOnly, "Ladder server"},
                {setup.fixture->answering, "League server"}, {"127.0.0.1", "Local server"}};
    return {{"127.0.0.3", "Old clan server"}, {"127.0.0.9", "Mistyped"},      {"127.0.0.4", "Clan server"},
            {"127.0.0.5", "Ladder server"},   {"127.0.0.6", "League server"}, {"127.0.0.1", "Local server"}};
}

std::vector<PrivateServer> Kept(const PrivateServers& servers)
{
    return {servers.silent, servers.clan, servers.ladder, servers.league, servers.local};
}

std::string FileOf(const std::vector<PrivateServer>& servers)
{
    std::string text;
    for (const PrivateServer& server : servers)
        text += server.name + std::string(21 - server.name.size(), ' ') + server.description + "\r\n";
    return text;
}

std::vector<ViewRow> RowsOf(const std::vector<PrivateServer>& servers)
{
    std::vector<ViewRow> rows;
    for (const PrivateServer& server : servers)
        rows.push_back({server.name, server.description, "0", ""});
    return rows;
}
