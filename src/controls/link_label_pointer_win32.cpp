// What a link label does while the pointer is over it: it shows the hover
// colour, held by the capture, and the hand cursor. The cursor is loaded
// when first needed, so that it never delays the program's start.
#include "controls/link_label_win32.h"

#include <windowsx.h>

namespace {

// The help viewer's pointing hand.
constexpr WORD HELP_HAND_CURSOR = 106;

// A copy of a cursor, owned by whoever takes it.
HCURSOR CopyCursorFrom(HMODULE module, LPCSTR name)
{
    HCURSOR shared = LoadCursorA(module, name);
    return shared ? static_cast<HCURSOR>(CopyIcon(shared)) : nullptr;
}

} // namespace

// The capture keeps the mouse moves coming once the pointer has left, so
// that the label can tell it has.
void CLinkLabel::OnMouseMove(LPARAM position)
{
    if (!m_isHovering) {
        m_isHovering = true;
        m_window.RedrawNow();
        SetCapture(m_window);
        return;
    }
    RECT client;
    GetClientRect(m_window, &client);
    if (PtInRect(&client, POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)}))
        return;
    m_isHovering = false;
    ReleaseCapture();
    m_window.RedrawNow();
}

// A capture taken away (a box disabling the dialog, another window coming
// to the front) would otherwise leave the label hovering for good, since
// no mouse move from outside reaches it any more.
void CLinkLabel::OnCaptureChanged(HWND newCapture)
{
    if (!m_isHovering || newCapture == m_window)
        return;
    m_isHovering = false;
    m_window.RedrawNow();
}

void CLinkLabel::SetHandCursor(HCURSOR cursor)
{
    if (cursor != m_handCursor.get())
        m_handCursor.reset(cursor);
    if (!cursor)
        LoadHandCursor();
}

HCURSOR CLinkLabel::GetHandCursor()
{
    LoadHandCursor();
    return m_handCursor.get();
}

// The help viewer's hand, where Windows still ships it with its cursor;
// else the system's own pointing hand, so that a link always shows a hand.
// The program file is mapped as data only: it is never run, and an
// executable cannot be loaded as an image beside our own.
void CLinkLabel::LoadHandCursor()
{
    if (m_handCursor)
        return;
    char directory[MAX_PATH] = "";
    const UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::string program = std::string(directory, length) + "\\winhlp32.exe";
        if (HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
            m_handCursor.reset(CopyCursorFrom(module, MAKEINTRESOURCEA(HELP_HAND_CURSOR)));
            FreeLibrary(module);
        }
    }
    if (!m_handCursor)
        m_handCursor.reset(CopyCursorFrom(nullptr, IDC_HAND));
}

LRESULT CLinkLabel::OnSetCursor()
{
    LoadHandCursor();
    if (!m_handCursor)
        return FALSE;
    SetCursor(m_handCursor.get());
    return TRUE;
}
