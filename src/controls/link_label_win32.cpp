// A link label's attachment to its static control, its messages and its
// click.
#include "controls/link_label_win32.h"

#include <commctrl.h>

#include <utility>

#include "controls/link_appearance.h"
#include "win/dialog.h"

namespace {

constexpr UINT_PTR SUBCLASS_ID = 1;

bool IsMouseButtonMessage(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_MBUTTONDOWN ||
           message == WM_MBUTTONUP || message == WM_RBUTTONDOWN || message == WM_RBUTTONUP;
}

} // namespace

CLinkLabel::CLinkLabel(LinkClickHandler onClick)
    : m_onClick(std::move(onClick)), m_colorUnvisited(LINK_COLOR_UNVISITED),
      m_colorVisited(LINK_COLOR_VISITED), m_colorHover(GetSysColor(COLOR_HIGHLIGHT))
{
}

CLinkLabel::~CLinkLabel()
{
    Detach();
}

void CLinkLabel::Attach(HWND window)
{
    m_window.Attach(window);
    SetWindowSubclass(m_window, SubclassProc, SUBCLASS_ID, reinterpret_cast<DWORD_PTR>(this));
    PreSubclassWindow();
}

void CLinkLabel::PreSubclassWindow()
{
    // Without SS_NOTIFY a static control reports no clicks.
    SetWindowLongA(m_window, GWL_STYLE, GetWindowLongA(m_window, GWL_STYLE) | SS_NOTIFY);
    if (m_target.empty())
        m_target = m_window.GetText();
    if (m_window.GetText().empty())
        m_window.SetText(m_target);
    SetLinkFont(m_underlined);
    FitWindowToText();
}

void CLinkLabel::Detach()
{
    if (!m_window)
        return;
    const bool holdsCapture = m_isHovering && GetCapture() == m_window;
    m_isHovering = false;
    if (holdsCapture)
        ReleaseCapture();
    RemoveWindowSubclass(m_window, SubclassProc, SUBCLASS_ID);
    m_window.Attach(nullptr);
}

bool CLinkLabel::IsAttached() const
{
    return m_window && IsWindow(m_window);
}

void CLinkLabel::SetTarget(const std::string& target)
{
    m_target = target;
    if (!IsAttached())
        return;
    FitWindowToText();
    UpdateTipText();
}

LRESULT CALLBACK CLinkLabel::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR label)
{
    try {
        return reinterpret_cast<CLinkLabel*>(label)->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through user32; the control goes on as a plain
        // static.
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

LRESULT CLinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = m_window;
    switch (message) {
    case win::REFLECTED_COMMAND:
        return OnReflectedCommand(wParam);
    case win::REFLECTED_CTLCOLORSTATIC:
        return OnCtlColor(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
        return OnSetCursor();
    case WM_MOUSEMOVE: {
        RelayToToolTip(message, wParam, lParam);
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        OnMouseMove(lParam);
        return result;
    }
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        return DefSubclassProc(window, message, wParam, lParam);
    case WM_NCDESTROY:
        Detach();
        return DefSubclassProc(window, message, wParam, lParam);
    default:
        if (IsMouseButtonMessage(message))
            RelayToToolTip(message, wParam, lParam);
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

LRESULT CLinkLabel::OnReflectedCommand(WPARAM wParam)
{
    if (HIWORD(wParam) != STN_CLICKED)
        return 0;
    m_onClick(*this);
    return TRUE;
}
