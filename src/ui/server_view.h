#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/server_view.h"

class CServerList;
struct ServerEntry;

// Suspends the view's painting for the life of a batch of changes.
class ServerViewBatch {
  public:
    explicit ServerViewBatch(ServerView& view) : m_view(view) { m_view.SuspendRedraw(); }
    ~ServerViewBatch() { m_view.ResumeRedraw(); }
    ServerViewBatch(const ServerViewBatch&) = delete;
    ServerViewBatch& operator=(const ServerViewBatch&) = delete;

  private:
    ServerView& m_view;
};

// What a cell keeps of a text: the text up to its first NUL byte.
std::string ShownCellText(const std::string& text);

constexpr int SERVER_VIEW_COLUMNS = 4;

// The widths of the columns across the client width, less room for a
// vertical scroll bar so that no horizontal one is ever needed: the time
// columns as wide as given (their titles), the server and its description
// sharing the rest, the description taking the odd pixel.
std::array<int, SERVER_VIEW_COLUMNS> ServerColumnWidths(int clientWidth, int scrollBarWidth, int pingWidth,
                                                        int gamePortWidth);

// Rebuilds every row from the list: row i shows entry i.
void FillServerView(const CServerList& list, ServerView& view);
// Stable sort of the rows: the servers whose game port took the connection
// first, by ping time (by the connection's time where the ping is "N/A"),
// then the others by ping time.
void SortServerViewByPing(ServerView& view);
// The server text of the selected row, at most 127 characters; "" when
// no row is selected.
std::string GetSelectedServer(const ServerView& view);
// The list's servers in the order the view shows them. Each row is matched
// to the entry it was filled from, so that name and description come back
// whole, bytes the view cannot hold included; the times are the ones the
// row shows. Rows that look alike are matched in list order, and a
// row that matches no entry is taken from its texts.
std::vector<ServerEntry> ServersInViewOrder(const CServerList& list, const ServerView& view);
