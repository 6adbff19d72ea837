#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "lists/server_list.h"

enum ServerViewColumn { COLUMN_SERVER = 0, COLUMN_DESCRIPTION = 1, COLUMN_PING = 2, COLUMN_GAME_PORT = 3 };

// The list view as a table of rows with four text cells, drawn from a
// list and never read back. Rows carry no data of their own: only their
// texts, each up to its first NUL byte.
class ServerView {
  public:
    virtual ~ServerView() = default;
    virtual void SetCellText(int row, int column, const std::string& text) = 0;
    // Rows from the position on move down by one.
    virtual void InsertRow(int row, const std::string& serverText) = 0;
    // Later rows move up by one.
    virtual void DeleteRow(int row) = 0;
    virtual void DeleteAllRows() = 0;
    // The first selected row, -1 when none is selected.
    virtual int SelectedRow() const = 0;
    // Repaints the view at once, without waiting for the message loop.
    virtual void Repaint() = 0;
    // Stops painting while many rows change (each change would otherwise
    // paint on its own); resuming repaints when the message loop next runs.
    virtual void SuspendRedraw() = 0;
    virtual void ResumeRedraw() = 0;
};

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

// Which entry of the shown list each row shows: row r shows entry
// order[r]. The view's sort reorders this, never the list.
using ServerViewOrder = std::vector<int>;

// What a cell keeps of a text: the text up to its first NUL byte.
std::string ShownCellText(const std::string& text);

constexpr int SERVER_VIEW_COLUMNS = 4;

// The widths of the columns across the client width, less room for a
// vertical scroll bar so that no horizontal one is ever needed: the time
// columns as wide as given (their titles), the server and its description
// sharing the rest, the description taking the odd pixel.
std::array<int, SERVER_VIEW_COLUMNS> ServerColumnWidths(int clientWidth, int scrollBarWidth, int pingWidth,
                                                        int gamePortWidth);

// Rebuilds every row from the list in list order: row i shows entry i.
void FillServerView(const CServerList& list, ServerViewOrder& order, ServerView& view);
// Stable sort of the rows by their entries' times: the servers whose game
// port took the connection first, by ping time (by the connection's time
// where the ping is "N/A"), then the others by ping time. Only the rows
// that now show another entry are drawn again.
void SortServerViewByPing(const CServerList& list, ServerViewOrder& order, ServerView& view);
// Draws the row's ping and game port cells from the entry.
void DrawServerTimes(const ServerEntry& entry, int row, ServerView& view);
// The entry that the selected row shows; none when no row is selected.
std::optional<ServerEntry> GetSelectedServer(const CServerList& list, const ServerViewOrder& order,
                                             const ServerView& view);
