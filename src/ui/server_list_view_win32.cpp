#include "ui/server_list_view_win32.h"

#include "ui/server_view.h"

void ServerListView::SetUpColumns()
{
    RECT rect = m_list.GetWindowRect();
    int width = ServerColumnWidth(rect.right - rect.left);
    m_list.InsertColumn(COLUMN_SERVER, "Server", LVCFMT_LEFT, width);
    m_list.InsertColumn(COLUMN_DESCRIPTION, "Description", LVCFMT_LEFT, width);
    m_list.InsertColumn(COLUMN_PING, "Ping Time (ms)", LVCFMT_LEFT, width);
    m_list.SetBkColor(SERVER_VIEW_BKCOLOR);
    m_list.SetTextBkColor(SERVER_VIEW_BKCOLOR);
}

void ServerListView::Repaint()
{
    RedrawWindow(m_list.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void ServerListView::SuspendRedraw()
{
    SendMessageA(m_list.Handle(), WM_SETREDRAW, FALSE, 0);
}

void ServerListView::ResumeRedraw()
{
    SendMessageA(m_list.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_list.Handle(), nullptr, TRUE);
}
