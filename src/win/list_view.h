#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "win/window.h"

namespace win {

// A report list view: each method is one documented list-view message.
class ListView : public Window {
  public:
    explicit ListView(HWND hwnd = nullptr) : Window(hwnd) {}

    void SetBkColor(COLORREF color) { ListView_SetBkColor(Handle(), color); }
    void SetTextBkColor(COLORREF color) { ListView_SetTextBkColor(Handle(), color); }
    COLORREF GetBkColor() const { return ListView_GetBkColor(Handle()); }
    COLORREF GetTextBkColor() const { return ListView_GetTextBkColor(Handle()); }
    // Turns on the extended styles given, leaving the others as they are.
    void SetExtendedStyle(DWORD style) { ListView_SetExtendedListViewStyleEx(Handle(), style, style); }
    int InsertColumn(int position, const char* title, int format, int width);
    int GetColumnWidth(int column) const { return ListView_GetColumnWidth(Handle(), column); }
    int GetStringWidth(const char* text) const
    {
        return static_cast<int>(
            SendMessageA(Handle(), LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
    }
    int GetItemCount() const { return ListView_GetItemCount(Handle()); }
    void DeleteAllItems() { ListView_DeleteAllItems(Handle()); }
    void DeleteItem(int row) { ListView_DeleteItem(Handle(), row); }
    int InsertItem(int row, const std::string& text);
    void SetItemText(int row, int column, const std::string& text);
    std::string GetItemText(int row, int column) const;
    int GetNextItem(int start, UINT flags) const { return ListView_GetNextItem(Handle(), start, flags); }
    void SetItemState(int row, UINT state, UINT mask) { ListView_SetItemState(Handle(), row, state, mask); }
    RECT GetClientRect() const;
};

} // namespace win
