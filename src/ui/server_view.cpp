#include "ui/server_view.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "lists/server_list.h"
#include "ping/ping_time.h"

namespace {

constexpr int COLUMN_COUNT = SERVER_VIEW_COLUMNS;

using Row = std::array<std::string, COLUMN_COUNT>;

std::vector<Row> ReadRows(const ServerView& view)
{
    std::vector<Row> rows(view.RowCount());
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        for (int column = 0; column < COLUMN_COUNT; ++column)
            rows[i][column] = view.CellText(i, column);
    return rows;
}

bool ShowsNameAndDescription(const Row& row, const ServerEntry& entry)
{
    return row[COLUMN_SERVER] == ShownCellText(entry.serverName) &&
           row[COLUMN_DESCRIPTION] == ShownCellText(entry.description);
}

// The first entry not yet taken that the row shows: one whose times match
// too if there is one, since rows that look alike may have been
// sorted apart by their times.
int EntryOfRow(const Row& row, const CServerList& list, const std::vector<bool>& taken)
{
    int sameTexts = -1;
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        const ServerEntry& entry = list.entries[i];
        if (taken[i] || !ShowsNameAndDescription(row, entry))
            continue;
        if (row[COLUMN_PING] == PingText(entry.pingTime) &&
            row[COLUMN_GAME_PORT] == GamePortText(entry.gamePortTime))
            return i;
        if (sameTexts < 0)
            sameTexts = i;
    }
    return sameTexts;
}

// First the servers whose game port took the connection, by ping time or,
// where the echo went unanswered, by the connection's time: the games
// connect to that port and never use ICMP. Then the others by ping time,
// "N/A" last.
std::pair<int, std::int32_t> SortKey(const Row& row)
{
    const std::int32_t pingTime = PingValue(row[COLUMN_PING]);
    const std::int32_t gamePortTime = GamePortValue(row[COLUMN_GAME_PORT]);
    if (!IsGamePortOpen(gamePortTime))
        return {1, pingTime};
    return {0, pingTime == PING_UNREACHABLE ? gamePortTime : pingTime};
}

} // namespace

std::string ShownCellText(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

std::vector<ServerEntry> ServersInViewOrder(const CServerList& list, const ServerView& view)
{
    std::vector<bool> taken(MAX_SERVERS, false);
    std::vector<ServerEntry> servers;
    for (const Row& row : ReadRows(view)) {
        const int index = EntryOfRow(row, list, taken);
        ServerEntry server{row[COLUMN_SERVER], row[COLUMN_DESCRIPTION], PingValue(row[COLUMN_PING]),
                           GamePortValue(row[COLUMN_GAME_PORT])};
        if (index >= 0) {
            taken[index] = true;
            server.serverName = list.entries[index].serverName;
            server.description = list.entries[index].description;
            server.serverNameUtf16 = list.entries[index].serverNameUtf16;
            server.descriptionUtf16 = list.entries[index].descriptionUtf16;
            server.privateFileLine = list.entries[index].privateFileLine;
        }
        servers.push_back(server);
    }
    return servers;
}

std::array<int, SERVER_VIEW_COLUMNS> ServerColumnWidths(int clientWidth, int scrollBarWidth, int pingWidth,
                                                        int gamePortWidth)
{
    const int shared = std::max(clientWidth - scrollBarWidth - pingWidth - gamePortWidth, 0);
    return {shared / 2, shared - shared / 2, pingWidth, gamePortWidth};
}

void FillServerView(const CServerList& list, ServerView& view)
{
    ServerViewBatch batch(view);
    view.DeleteAllRows();
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        ServerEntry entry = list.GetAt(i);
        view.InsertRow(i, entry.serverName);
        view.SetCellText(i, COLUMN_DESCRIPTION, entry.description);
        view.SetCellText(i, COLUMN_PING, PingText(entry.pingTime));
        view.SetCellText(i, COLUMN_GAME_PORT, GamePortText(entry.gamePortTime));
    }
}

// A stable sort, so rows of equal keys keep their order. It works on a
// copy of the rows and writes back only the rows that moved: every row
// operation on a list view is a message, and moving rows one place at a
// time through the view costs thousands of them.
void SortServerViewByPing(ServerView& view)
{
    const std::vector<Row> rows = ReadRows(view);
    std::vector<Row> sorted = rows;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Row& a, const Row& b) { return SortKey(a) < SortKey(b); });
    ServerViewBatch batch(view);
    for (int i = 0; i < static_cast<int>(sorted.size()); ++i) {
        if (sorted[i] == rows[i])
            continue;
        for (int column = 0; column < COLUMN_COUNT; ++column)
            view.SetCellText(i, column, sorted[i][column]);
    }
}

std::string GetSelectedServer(const ServerView& view)
{
    int row = view.SelectedRow();
    if (row < 0)
        return "";
    return view.CellText(row, COLUMN_SERVER).substr(0, SERVER_NAME_LIMIT);
}
