#include "ui/server_view_win32.h"

#include "ui/server_view.h"

void Win32ServerView::SetUpColumns()
{
    RECT rect = m_list.GetWindowRect();
    int width = ServerColumnWidth(rect.right - rect.left);
    m_list.InsertColumn(COLUMN_SERVER, "Server", LVCFMT_LEFT, width);
    m_list.InsertColumn(COLUMN_DESCRIPTION, "Description", LVCFMT_LEFT, width);
    m_list.InsertColumn(COLUMN_PING, "Ping Time (ms)", LVCFMT_LEFT, width);
    m_list.SetBkColor(SERVER_VIEW_BKCOLOR);
    m_list.SetTextBkColor(SERVER_VIEW_BKCOLOR);
}
