#pragma once

#include <optional>
#include <string>
#include <vector>

#include "walk.h"
#include "walk_servers.h"

// What the first run checks of a finished "Ping".

// Every cell readable, the rows in the order of a ping and, with the
// fixture, each host where its echo and game port put it.
void CheckMeasuredRows(Walk& walk, const std::vector<ViewRow>& rows, const PrivateServers& servers);

// The connections that the fixture's listeners have taken so far: of the
// host that takes game connections alone, and of the one that answers both.
struct Connections {
    std::optional<int> portOnly;
    std::optional<int> answering;
};
Connections ConnectionsNow();
// With the fixture: both listeners took `more` connections since `before`.
void CheckConnections(Walk& walk, const Connections& before, int more, const std::string& what);

// The game port cell of each kept server, in list order, one line each.
std::string GamePortCells(const std::vector<ViewRow>& rows, const PrivateServers& servers);
