#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace win {

// A report list view: each method is one documented list-view message.
class ListView {
  public:
    explicit ListView(HWND hwnd = nullptr) : m_window(hwnd) {}

    void Attach(HWND hwnd) { m_window = hwnd; }
    HWND Handle() const { return m_window; }

    void SetBkColor(COLORREF color) { ListView_SetBkColor(m_window, color); }
    void SetTextBkColor(COLORREF color) { ListView_SetTextBkColor(m_window, color); }
    COLORREF GetBkColor() const { return ListView_GetBkColor(m_window); }
    COLORREF GetTextBkColor() const { return ListView_GetTextBkColor(m_window); }
    int InsertColumn(int position, const char* title, int format, int width);
    int GetColumnWidth(int column) const { return ListView_GetColumnWidth(m_window, column); }
    int GetStringWidth(const char* text) const
    {
        return static_cast<int>(
            SendMessageA(m_window, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
    }
    int GetItemCount() const { return ListView_GetItemCount(m_window); }
    void DeleteAllItems() { ListView_DeleteAllItems(m_window); }
    void DeleteItem(int row) { ListView_DeleteItem(m_window, row); }
    int InsertItem(int row, const std::string& text);
    void SetItemText(int row, int column, const std::string& text);
    std::string GetItemText(int row, int column) const;
    int GetNextItem(int start, UINT flags) const { return ListView_GetNextItem(m_window, start, flags); }
    void SetItemState(int row, UINT state, UINT mask) { ListView_SetItemState(m_window, row, state, mask); }
    RECT GetClientRect() const;

  private:
    HWND m_window;
};

} // namespace win
