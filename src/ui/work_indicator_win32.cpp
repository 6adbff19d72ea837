#include "ui/work_indicator_win32.h"

namespace {

bool IsPointerOver(HWND window)
{
    POINT pointer;
    return GetCursorPos(&pointer) && GetAncestor(WindowFromPoint(pointer), GA_ROOT) == window;
}

} // namespace

// The cursor is shared: it is the window's to set only while the pointer is
// over it. The thread takes no mouse input while it works, so no
// WM_SETCURSOR puts another shape in place of the wait cursor meanwhile.
void Win32WorkIndicator::BeginWork()
{
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
}
