// What a link label needs only once the pointer comes to it: the hand
// cursor and the tool tip. Neither is needed to show the window, so
// neither delays the program's start.
#include "controls/link_label_win32.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

constexpr UINT_PTR TOOL_ID = 1;
// The help viewer's pointing hand.
constexpr WORD HELP_HAND_CURSOR = 106;

// A copy of a cursor, owned by whoever takes it.
HCURSOR CopyCursorFrom(HMODULE module, LPCSTR name)
{
    HCURSOR shared = LoadCursorA(module, name);
    return shared ? static_cast<HCURSOR>(CopyIcon(shared)) : nullptr;
}

TOOLINFOA ToolInfo(HWND label)
{
    TOOLINFOA info{};
    // This size is understood by every version of the common controls.
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = label;
    info.uId = TOOL_ID;
    return info;
}

} // namespace

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

// The tool covers the label as it is when the pointer first comes.
void CLinkLabel::CreateToolTip()
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    m_tip.reset(CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr, GetModuleHandleA(nullptr),
                                nullptr));
    TOOLINFOA info = ToolInfo(m_hwnd);
    GetClientRect(m_hwnd, &info.rect);
    info.lpszText = const_cast<char*>(m_target.c_str());
    SendMessageA(m_tip.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

// A tip not made yet takes the target when it is made.
void CLinkLabel::UpdateTipText()
{
    if (!m_tip)
        return;
    TOOLINFOA info = ToolInfo(m_hwnd);
    info.lpszText = const_cast<char*>(m_target.c_str());
    SendMessageA(m_tip.get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

// A modal dialog's message loop has no hook for the tip, so the label
// hands it the mouse messages it needs itself.
void CLinkLabel::RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_tip)
        CreateToolTip();
    const DWORD position = GetMessagePos();
    MSG relayed{m_hwnd,
                message,
                wParam,
                lParam,
                static_cast<DWORD>(GetMessageTime()),
                POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)}};
    SendMessageA(m_tip.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}
