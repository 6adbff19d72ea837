#include "ui/server_view.h"

#include "lists/server_list.h"
#include "ui/ping_text.h"

namespace {

constexpr std::string::size_type SERVER_NAME_MAX = 128;

// Swaps row i with row i + 1 the way the view allows: delete row i, then
// insert its texts again below the row that moved up.
void MoveRowDown(ServerView& view, int row)
{
    std::string server = view.CellText(row, COLUMN_SERVER);
    std::string description = view.CellText(row, COLUMN_DESCRIPTION);
    std::string ping = view.CellText(row, COLUMN_PING);
    view.DeleteRow(row);
    view.InsertRow(row + 1, server);
    view.SetCellText(row + 1, COLUMN_DESCRIPTION, description);
    view.SetCellText(row + 1, COLUMN_PING, ping);
}

} // namespace

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

void SortServerViewByPing(ServerView& view)
{
    ServerViewBatch batch(view);
    bool swapped;
    do {
        swapped = false;
        for (int i = 0; i < view.RowCount() - 1; ++i) {
            if (PingValue(view.CellText(i, COLUMN_PING)) > PingValue(view.CellText(i + 1, COLUMN_PING))) {
                MoveRowDown(view, i);
                swapped = true;
            }
        }
    } while (swapped);
}

std::string GetSelectedServer(const ServerView& view)
{
    int row = view.SelectedRow();
    if (row < 0)
        return "";
    return view.CellText(row, COLUMN_SERVER).substr(0, SERVER_NAME_MAX - 1);
}
