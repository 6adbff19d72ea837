#pragma once

#include "ui/server_view.h"
#include "win/list_view.h"

// The pale yellow of the server view's background and text background.
constexpr COLORREF SERVER_VIEW_BKCOLOR = 0x00E1FFFF;

// The main window's list view as the server view's table of rows.
class Win32ServerView : public ServerView {
  public:
    void Attach(HWND hwnd) { m_list.Attach(hwnd); }
    // Four columns across the view's width, the pale colours, selection by
    // the whole row and tips for cut-off names.
    void SetUpColumns();

    void SetCellText(int row, int column, const std::string& text) override
    {
        m_list.SetItemText(row, column, text);
    }
    void InsertRow(int row, const std::string& serverText) override { m_list.InsertItem(row, serverText); }
    void DeleteRow(int row) override { m_list.DeleteItem(row); }
    void DeleteAllRows() override { m_list.DeleteAllItems(); }
    int SelectedRow() const override { return m_list.GetNextItem(-1, LVNI_SELECTED); }
    void Repaint() override { m_list.RedrawNow(); }
    void SuspendRedraw() override { m_list.SuspendRedraw(); }
    void ResumeRedraw() override { m_list.ResumeRedraw(); }

  private:
    int TitleWidth(const char* title) const;

    win::ListView m_list;
};
