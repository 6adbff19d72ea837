// A link label's tool tip, which shows the target. It is made when the
// pointer first comes, so that it never delays the program's start.
#include "controls/link_label_win32.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

constexpr UINT_PTR TOOL_ID = 1;

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

void CLinkLabel::WindowDestroyer::operator()(HWND window) const
{
    // The tip is owned by the dialog's window and may have gone with it.
    if (IsWindow(window))
        DestroyWindow(window);
}

// The tool covers the label as it is when the pointer first comes.
void CLinkLabel::CreateToolTip()
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    m_tip.reset(CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr, GetModuleHandleA(nullptr),
                                nullptr));
    TOOLINFOA info = ToolInfo(m_window);
    GetClientRect(m_window, &info.rect);
    info.lpszText = const_cast<char*>(m_target.c_str());
    SendMessageA(m_tip.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

// A tip not made yet takes the target when it is made.
void CLinkLabel::UpdateTipText()
{
    if (!m_tip)
        return;
    TOOLINFOA info = ToolInfo(m_window);
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
    MSG relayed{m_window,
                message,
                wParam,
                lParam,
                static_cast<DWORD>(GetMessageTime()),
                POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)}};
    SendMessageA(m_tip.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}
