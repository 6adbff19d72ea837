#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace win {

// A report list view: each method is one documented list-view message.
class ListView {
  public:
    explicit ListView(HWND hwnd = nullptr) : m_hwnd(hwnd) {}

    void Attach(HWND hwnd) { m_hwnd = hwnd; }
    HWND Handle() const { return m_hwnd; }

    void SetBkColor(COLORREF color) { ListView_SetBkColor(m_hwnd, color); }
    void SetTextBkColor(COLORREF color) { ListView_SetTextBkColor(m_hwnd, color); }
    COLORREF GetBkColor() const { return ListView_GetBkColor(m_hwnd); }
    COLORREF GetTextBkColor() const { return ListView_GetTextBkColor(m_hwnd); }
    int InsertColumn(int position, const char* title, int format, int width);
    int GetColumnWidth(int column) const { return ListView_GetColumnWidth(m_hwnd, column); }
    int GetItemCount() const { return ListView_GetItemCount(m_hwnd); }
    void DeleteAllItems() { ListView_DeleteAllItems(m_hwnd); }
    void DeleteItem(int row) { ListView_DeleteItem(m_hwnd, row); }
    int InsertItem(int row, const std::string& text);
    void SetItemText(int row, int column, const std::string& text);
    std::string GetItemText(int row, int column) const;
    int GetNextItem(int start, UINT flags) const { return ListView_GetNextItem(m_hwnd, start, flags); }
    void SetItemState(int row, UINT state, UINT mask) { ListView_SetItemState(m_hwnd, row, state, mask); }
    RECT GetWindowRect() const;

  private:
    HWND m_hwnd;
};

} // namespace win
