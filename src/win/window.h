#pragma once

#include <windows.h>

#include <string>

namespace win {

// A window by its handle, owned by someone else: each method is one
// documented call on it. Converts to the handle for every other call.
class Window {
  public:
    explicit Window(HWND handle = nullptr) : m_handle(handle) {}

    void Attach(HWND handle) { m_handle = handle; }
    HWND Handle() const { return m_handle; }
    operator HWND() const { return m_handle; }

    // The window's text, of any length.
    std::string GetText() const;
    // The same in UTF-16, as typed: every character, whatever the code page.
    std::u16string GetUtf16Text() const;
    void SetText(const std::string& text) const { SetWindowTextA(m_handle, text.c_str()); }
    void Enable(bool enabled) const { EnableWindow(m_handle, enabled ? TRUE : FALSE); }
    // A check box or radio button; an indeterminate one counts as not checked.
    bool IsChecked() const { return SendMessageA(m_handle, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    // The whole window is painted again, background included, when its turn
    // comes; RedrawNow paints it before returning.
    void Invalidate() const { InvalidateRect(m_handle, nullptr, TRUE); }
    void RedrawNow() const
    {
        RedrawWindow(m_handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    // Changes made between the two are painted once, on resuming.
    void SuspendRedraw() const { SendMessageA(m_handle, WM_SETREDRAW, FALSE, 0); }
    void ResumeRedraw() const
    {
        SendMessageA(m_handle, WM_SETREDRAW, TRUE, 0);
        Invalidate();
    }

  private:
    HWND m_handle;
};

} // namespace win
