#include "ui/server_view.h"

#include <algorithm>
#include <array>
#include <vector>

#include "lists/server_list.h"
#include "ping/ping_time.h"

namespace {

constexpr int COLUMN_COUNT = 3;

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

// The first entry not yet taken that the row shows: one whose ping time
// matches too if there is one, since rows that look alike may have been
// sorted apart by their times.
int EntryOfRow(const Row& row, const CServerList& list, const std::vector<bool>& taken)
{
    int sameTexts = -1;
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        const ServerEntry& entry = list.entries[i];
        if (taken[i] || !ShowsNameAndDescription(row, entry))
            continue;
        if (row[COLUMN_PING] == PingText(entry.pingTime))
            return i;
        if (sameTexts < 0)
            sameTexts = i;
    }
    return sameTexts;
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
        ServerEntry server{row[COLUMN_SERVER], row[COLUMN_DESCRIPTION], PingValue(row[COLUMN_PING])};
        if (index >= 0) {
            taken[index] = true;
            server.serverName = list.entries[index].serverName;
            server.description = list.entries[index].description;
        }
        servers.push_back(server);
    }
    return servers;
}

int ServerColumnWidth(int windowWidth)
{
    return windowWidth / 3 - 2;
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
    }
}

// A stable sort, so rows of equal times keep their order. It works on a
// copy of the rows and writes back only the rows that moved: every row
// operation on a list view is a message, and moving rows one place at a
// time through the view costs thousands of them.
void SortServerViewByPing(ServerView& view)
{
    const std::vector<Row> rows = ReadRows(view);
    std::vector<Row> sorted = rows;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Row& a, const Row& b) {
        return PingValue(a[COLUMN_PING]) < PingValue(b[COLUMN_PING]);
    });
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
