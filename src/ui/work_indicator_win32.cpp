#include "ui/work_indicator_win32.h"

namespace {

bool IsPointerOver(HWND window)
{
    POINT pointer;
    return GetCursorPos(&pointer) && GetAncestor(WindowFromPoint(pointer), GA_ROOT) == window;
}

// A click on the close box, where the system decides on its release, or
// Alt+F4.
bool ClosesTheWindow(const MSG& message)
{
    if (message.message == WM_NCLBUTTONUP)
        return message.wParam == HTCLOSE;
    return message.message == WM_SYSKEYDOWN && message.wParam == VK_F4 &&
           (HIWORD(message.lParam) & KF_ALTDOWN);
}

// Takes every click and key out of the thread's queue; answers the window
// that one of them asked to close, or null.
HWND DropQueuedInput()
{
    static const UINT INPUT_RANGES[][2] = {
        {WM_KEYFIRST, WM_KEYLAST}, {WM_MOUSEFIRST, WM_MOUSELAST}, {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK}};
    HWND closing = nullptr;
    MSG message;
    for (const auto& range : INPUT_RANGES)
        while (PeekMessageA(&message, nullptr, range[0], range[1], PM_REMOVE))
            if (ClosesTheWindow(message))
                closing = GetAncestor(message.hwnd, GA_ROOT);
    return closing;
}

} // namespace

// The cursor is shared: it is the window's to set only while the pointer is
// over it. The thread takes no mouse input while it works, and whatever
// WM_SETCURSOR reaches it meanwhile is answered with the wait cursor.
void Win32WorkIndicator::BeginWork()
{
    m_working = true;
    m_cursorBefore = nullptr;
    m_waitCursorShown = IsPointerOver(m_window);
    if (m_waitCursorShown)
        m_cursorBefore = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    m_taskbar.Begin(m_window);
}

void Win32WorkIndicator::ShowProgress(int finished, int total)
{
    m_taskbar.Show(finished, total);
}

void Win32WorkIndicator::EndWork()
{
    m_taskbar.End();
    if (m_waitCursorShown)
        SetCursor(m_cursorBefore);
    m_waitCursorShown = false;
    m_working = false;
    if (HWND closing = DropQueuedInput())
        PostMessageA(closing, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool Win32WorkIndicator::KeepWaitCursor()
{
    if (!m_working)
        return false;
    HCURSOR before = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    if (!m_waitCursorShown)
        m_cursorBefore = before;
    m_waitCursorShown = true;
    return true;
}
