#include "ui/server_view_win32.h"

#include "ui/server_view.h"

namespace {

const char* const PING_TITLE = "Ping Time (ms)";
const char* const GAME_PORT_TITLE = "Game Port (ms)";

} // namespace

// The time columns fit their titles in the view's font at any DPI: the
// header draws a title three edges in from each side, and two more keep it
// clear of the divider. The names share the rest.
int Win32ServerView::TitleWidth(const char* title) const
{
    return m_list.GetStringWidth(title) + 8 * GetSystemMetrics(SM_CXEDGE);
}

void Win32ServerView::SetUpColumns()
{
    const RECT client = m_list.GetClientRect();
    const auto widths = ServerColumnWidths(client.right - client.left, GetSystemMetrics(SM_CXVSCROLL),
                                           TitleWidth(PING_TITLE), TitleWidth(GAME_PORT_TITLE));
    m_list.InsertColumn(COLUMN_SERVER, "Server", LVCFMT_LEFT, widths[COLUMN_SERVER]);
    m_list.InsertColumn(COLUMN_DESCRIPTION, "Description", LVCFMT_LEFT, widths[COLUMN_DESCRIPTION]);
    m_list.InsertColumn(COLUMN_PING, PING_TITLE, LVCFMT_LEFT, widths[COLUMN_PING]);
    m_list.InsertColumn(COLUMN_GAME_PORT, GAME_PORT_TITLE, LVCFMT_LEFT, widths[COLUMN_GAME_PORT]);
    // A click anywhere on a row selects it, and a name cut off by its
    // column unfolds in a tip.
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
    m_list.SetBkColor(SERVER_VIEW_BKCOLOR);
    m_list.SetTextBkColor(SERVER_VIEW_BKCOLOR);
}
