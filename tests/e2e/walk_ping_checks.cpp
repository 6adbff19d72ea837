#include "walk_ping_checks.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "machine_state.h"
#include "walk_checks.h"

namespace {

// The responder of the fixture's delayed host waits this long.
constexpr int DELAYED_HOST_MS = 20;
constexpr int PING_TIMEOUT_MS_OF_A_PROBE = 1500;

bool IsGamePortCell(const std::string& cell)
{
    return cell == "Closed" || PingValue(cell).has_value();
}

// The order of a ping: first the servers whose game port took the
// connection, by ping time or, where that is "N/A", by the connection's
// time; then the others by ping time.
std::pair<int, int> SortKey(const ViewRow& row)
{
    const int ping = PingValue(row[2]).value_or(-1);
    if (row[3] == "N/A" || row[3] == "Closed")
        return {1, ping};
    return {0, ping == 9999 ? PingValue(row[3]).value_or(-1) : ping};
}

const ViewRow* RowOf(const std::vector<ViewRow>& rows, const std::string& server)
{
    for (const ViewRow& row : rows)
        if (row[0] == server)
            return &row;
    return nullptr;
}

// Where the fixture is up: the two servers whose game port takes
// connections first, whatever their echo; the refused ones after them by
// ping time; the silent host last.
void CheckFixtureOrder(Walk& walk, const std::vector<ViewRow>& rows, const PrivateServers& servers)
{
    if (!walk.report.Check(rows.size() == 5, "five rows"))
        return;
    const ViewRow* ladder = RowOf(rows, servers.ladder.name);
    const ViewRow* league = RowOf(rows, servers.league.name);
    walk.report.Check(ladder && league && ladder <= &rows[1] && league <= &rows[1],
                      "the two hosts whose game port takes connections come first");
    if (ladder)
        walk.report.Check((*ladder)[2] == "N/A" && PingValue((*ladder)[3]).value_or(9999) < 2000,
                          "the one that ignores echo shows \"N/A\" and a game port time: " + (*ladder)[3]);
    if (league)
        walk.report.Check(PingValue((*league)[2]).value_or(9999) < 1500 &&
                              PingValue((*league)[3]).value_or(9999) < 2000,
                          "the one that answers both shows two times");
    walk.report.CheckEqual(rows[2][0] + " " + rows[2][1] + " " + rows[2][3],
                           servers.local.name + " " + servers.local.description + " Closed",
                           "loopback, whose port refuses, comes next and shows \"Closed\"");
    const int delayed = PingValue(rows[3][2]).value_or(-1);
    walk.report.CheckEqual(rows[3][0] + " " + rows[3][3], servers.clan.name + " Closed",
                           "then the delayed host, whose port refuses too");
    walk.report.Check(delayed >= DELAYED_HOST_MS && delayed < PING_TIMEOUT_MS_OF_A_PROBE,
                      "its time is measured: " + rows[3][2] + " ms for a host that answers after " +
                          std::to_string(DELAYED_HOST_MS) + " ms");
    walk.report.CheckEqual(rows[4][0] + " " + rows[4][2] + " " + rows[4][3], servers.silent.name + " N/A N/A",
                           "the silent host comes last and shows \"N/A\" twice");
}

// How many connections the fixture's listener on the host's game port has
// taken; nothing without the fixture.
std::optional<int> ConnectionsTaken(const std::string& host)
{
    std::optional<std::string> count = ReadWholeFile("Z:\\run\\velnor-netns\\" + host + ".connections");
    if (!count || count->empty())
        return std::nullopt;
    return std::atoi(count->c_str());
}

} // namespace

void CheckMeasuredRows(Walk& walk, const std::vector<ViewRow>& rows, const PrivateServers& servers)
{
    std::vector<std::pair<int, int>> keys;
    bool cellsRead = true;
    for (const ViewRow& row : rows) {
        cellsRead = cellsRead && PingValue(row[2]).has_value() && IsGamePortCell(row[3]);
        keys.push_back(SortKey(row));
    }
    walk.report.Check(cellsRead, "every ping cell holds a time or \"N/A\", every game port cell a time, "
                                 "\"Closed\" or \"N/A\"");
    walk.report.Check(std::is_sorted(keys.begin(), keys.end()),
                      "the rows are sorted: open game ports first, then by ping time");
    if (!walk.setup.fixture) {
        walk.report.Skip("the game port's outcomes, a measured delay and a silent host's \"N/A\"",
                         "the namespace fixture is not up");
        return;
    }
    CheckFixtureOrder(walk, rows, servers);
}

Connections ConnectionsNow()
{
    return {ConnectionsTaken("port-only"), ConnectionsTaken("answering")};
}

void CheckConnections(Walk& walk, const Connections& before, int more, const std::string& what)
{
    if (!walk.setup.fixture)
        return;
    const Connections now = ConnectionsNow();
    walk.report.Check(before.portOnly && before.answering && now.portOnly == *before.portOnly + more &&
                          now.answering == *before.answering + more,
                      what);
}

std::string GamePortCells(const std::vector<ViewRow>& rows, const PrivateServers& servers)
{
    std::string cells;
    for (const PrivateServer& server : Kept(servers)) {
        const ViewRow* row = RowOf(rows, server.name);
        cells += server.name + ": " + (row ? (*row)[3] : "(no row)") + "\n";
    }
    return cells;
}
