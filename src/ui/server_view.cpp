#include "ui/server_view.h"

#include <algorithm>
#include <utility>

#include "lists/server_list.h"
#include "ping/ping_time.h"

namespace {

// First the servers whose game port took the connection, by ping time or,
// where the echo went unanswered, by the connection's time: the games
// connect to that port and never use ICMP. Then the others by ping time,
// "N/A" last.
std::pair<int, std::int32_t> SortKey(const ServerEntry& entry)
{
    if (!IsGamePortOpen(entry.gamePortTime))
        return {1, entry.pingTime};
    return {0, entry.pingTime == PING_UNREACHABLE ? entry.gamePortTime : entry.pingTime};
}

void DrawRow(const ServerEntry& entry, int row, ServerView& view)
{
    view.SetCellText(row, COLUMN_SERVER, entry.serverName);
    view.SetCellText(row, COLUMN_DESCRIPTION, entry.description);
    DrawServerTimes(entry, row, view);
}

} // namespace

std::string ShownCellText(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

std::array<int, SERVER_VIEW_COLUMNS> ServerColumnWidths(int clientWidth, int scrollBarWidth, int pingWidth,
                                                        int gamePortWidth)
{
    const int shared = std::max(clientWidth - scrollBarWidth - pingWidth - gamePortWidth, 0);
    return {shared / 2, shared - shared / 2, pingWidth, gamePortWidth};
}

void DrawServerTimes(const ServerEntry& entry, int row, ServerView& view)
{
    view.SetCellText(row, COLUMN_PING, PingText(entry.pingTime));
    view.SetCellText(row, COLUMN_GAME_PORT, GamePortText(entry.gamePortTime));
}

void FillServerView(const CServerList& list, ServerViewOrder& order, ServerView& view)
{
    order.clear();
    ServerViewBatch batch(view);
    view.DeleteAllRows();
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        order.push_back(i);
        const ServerEntry& entry = list.entries[i];
        view.InsertRow(i, entry.serverName);
        view.SetCellText(i, COLUMN_DESCRIPTION, entry.description);
        DrawServerTimes(entry, i, view);
    }
}

// A stable sort, so rows of equal keys keep their order. Every row
// operation on a list view is a message, so rows are never moved through
// the view: the rows that show another entry are drawn again in place.
void SortServerViewByPing(const CServerList& list, ServerViewOrder& order, ServerView& view)
{
    const ServerViewOrder before = order;
    std::stable_sort(order.begin(), order.end(),
                     [&list](int a, int b) { return SortKey(list.entries[a]) < SortKey(list.entries[b]); });
    ServerViewBatch batch(view);
    for (int row = 0; row < static_cast<int>(order.size()); ++row) {
        if (order[row] != before[row])
            DrawRow(list.entries[order[row]], row, view);
    }
}

std::optional<ServerEntry> GetSelectedServer(const CServerList& list, const ServerViewOrder& order,
                                             const ServerView& view)
{
    const int row = view.SelectedRow();
    if (row < 0 || row >= static_cast<int>(order.size()))
        return std::nullopt;
    return list.GetAt(order[row]);
}
