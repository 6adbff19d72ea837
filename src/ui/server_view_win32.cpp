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

void Win32ServerView::Repaint()
{
    RedrawWindow(m_list.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void Win32ServerView::SuspendRedraw()
{
    SendMessageA(m_list.Handle(), WM_SETREDRAW, FALSE, 0);
}

void Win32ServerView::ResumeRedraw()
{
    SendMessageA(m_list.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_list.Handle(), nullptr, TRUE);
}
