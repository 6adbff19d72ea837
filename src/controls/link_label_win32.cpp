#include "controls/link_label_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "controls/link_appearance.h"
#include "win/dialog.h"

static_assert(LABEL_STYLE_CENTER == SS_CENTER && LABEL_STYLE_RIGHT == SS_RIGHT &&
              LABEL_STYLE_CENTERIMAGE == SS_CENTERIMAGE);
static_assert(LINK_COLOR_UNVISITED == RGB(0, 0, 238) && LINK_COLOR_VISITED == RGB(85, 26, 139));

namespace {

constexpr UINT_PTR SUBCLASS_ID = 1;
constexpr COLORREF SYSTEM_HIGHLIGHT = static_cast<COLORREF>(-1);
bool IsAnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

bool IsMouseButtonMessage(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_MBUTTONDOWN ||
           message == WM_MBUTTONUP || message == WM_RBUTTONDOWN || message == WM_RBUTTONUP;
}

} // namespace

void CLinkLabel::WindowDestroyer::operator()(HWND window) const
{
    // The tip is owned by the dialog's window and may have gone with it.
    if (IsWindow(window))
        DestroyWindow(window);
}

CLinkLabel::CLinkLabel(Shell& shell, FileAssociations& associations, User& user)
    : m_platform{shell, associations, IsAnsiLeadByte}, m_user(user), m_colorUnvisited(LINK_COLOR_UNVISITED),
      m_colorVisited(LINK_COLOR_VISITED), m_colorHover(GetSysColor(COLOR_HIGHLIGHT))
{
}

CLinkLabel::~CLinkLabel()
{
    Detach();
}

void CLinkLabel::Attach(HWND window)
{
    m_hwnd = window;
    SetWindowSubclass(m_hwnd, SubclassProc, SUBCLASS_ID, reinterpret_cast<DWORD_PTR>(this));
    PreSubclassWindow();
}

void CLinkLabel::PreSubclassWindow()
{
    // Without SS_NOTIFY a static control reports no clicks.
    SetWindowLongA(m_hwnd, GWL_STYLE, GetWindowLongA(m_hwnd, GWL_STYLE) | SS_NOTIFY);
    if (m_target.empty())
        m_target = WindowText();
    if (WindowText().empty())
        SetWindowTextA(m_hwnd, m_target.c_str());
    SetLinkFont(m_underlined);
    FitWindowToText();
}

void CLinkLabel::Detach()
{
    if (!m_hwnd)
        return;
    const bool holdsCapture = m_isHovering && GetCapture() == m_hwnd;
    m_isHovering = false;
    if (holdsCapture)
        ReleaseCapture();
    RemoveWindowSubclass(m_hwnd, SubclassProc, SUBCLASS_ID);
    m_hwnd = nullptr;
}

bool CLinkLabel::IsAttached() const
{
    return m_hwnd && IsWindow(m_hwnd);
}

void CLinkLabel::SetTarget(const std::string& target)
{
    m_target = target;
    if (!IsAttached())
        return;
    FitWindowToText();
    UpdateTipText();
}

void CLinkLabel::SetStateColors(COLORREF unvisited, COLORREF visited, COLORREF hover)
{
    m_colorUnvisited = unvisited;
    m_colorVisited = visited;
    m_colorHover = hover == SYSTEM_HIGHLIGHT ? GetSysColor(COLOR_HIGHLIGHT) : hover;
    if (IsAttached())
        Invalidate();
}

void CLinkLabel::MarkVisited(bool visited)
{
    m_isVisited = visited;
    if (IsAttached())
        Invalidate();
}

void CLinkLabel::SetUnderlined(bool underlined)
{
    m_underlined = underlined;
    if (!IsAttached())
        return;
    SetLinkFont(underlined);
    Invalidate();
}

void CLinkLabel::SetFitToText(bool fit)
{
    m_fitToText = fit;
    if (IsAttached())
        FitWindowToText();
}

std::string CLinkLabel::WindowText() const
{
    std::vector<char> text(GetWindowTextLengthA(m_hwnd) + 1);
    const int length = GetWindowTextA(m_hwnd, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), length);
}

// The window's current font with the underline set as asked; the font it
// replaces is deleted only once the window no longer uses it. A window
// without a font of its own draws in the system font, so that is copied.
void CLinkLabel::SetLinkFont(bool underlined)
{
    HGDIOBJ current = reinterpret_cast<HGDIOBJ>(SendMessageA(m_hwnd, WM_GETFONT, 0, 0));
    LOGFONTA description{};
    GetObjectA(current ? current : GetStockObject(SYSTEM_FONT), sizeof description, &description);
    description.lfUnderline = underlined ? TRUE : FALSE;
    UniqueFont font(CreateFontIndirectA(&description));
    SendMessageA(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    m_linkFont = std::move(font);
}

void CLinkLabel::FitWindowToText()
{
    if (!IsAttached() || !m_fitToText)
        return;
    RECT window;
    GetWindowRect(m_hwnd, &window);
    POINT corners[2] = {{window.left, window.top}, {window.right, window.bottom}};
    if (HWND parent = GetParent(m_hwnd)) {
        ScreenToClient(parent, &corners[0]);
        ScreenToClient(parent, &corners[1]);
    }

    const std::string text = WindowText();
    SIZE extent{};
    HDC dc = GetDC(m_hwnd);
    HGDIOBJ previous = SelectObject(dc, m_linkFont.get());
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(m_hwnd, dc);

    const auto style = static_cast<std::uint32_t>(GetWindowLongA(m_hwnd, GWL_STYLE));
    const LabelRect fitted =
        FitLabelRect({corners[0].x, corners[0].y, corners[1].x, corners[1].y}, style, extent.cx, extent.cy);
    SetWindowPos(m_hwnd, nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
                 fitted.bottom - fitted.top, SWP_NOZORDER);
}

void CLinkLabel::Invalidate()
{
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CLinkLabel::RedrawNow()
{
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
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
    HWND window = m_hwnd;
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
    OnClicked();
    return TRUE;
}

// Nothing is painted behind the text: the dialog shows through.
LRESULT CLinkLabel::OnCtlColor(HDC dc)
{
    SetTextColor(
        dc, ChooseLinkColor({m_colorUnvisited, m_colorVisited, m_colorHover}, m_isHovering, m_isVisited));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

// The capture keeps the mouse moves coming once the pointer has left, so
// that the label can tell it has.
void CLinkLabel::OnMouseMove(LPARAM position)
{
    if (!m_isHovering) {
        m_isHovering = true;
        RedrawNow();
        SetCapture(m_hwnd);
        return;
    }
    RECT client;
    GetClientRect(m_hwnd, &client);
    if (PtInRect(&client, POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)}))
        return;
    m_isHovering = false;
    ReleaseCapture();
    RedrawNow();
}

// A capture taken away (a box disabling the dialog, another window coming
// to the front) would otherwise leave the label hovering for good, since
// no mouse move from outside reaches it any more.
void CLinkLabel::OnCaptureChanged(HWND newCapture)
{
    if (!m_isHovering || newCapture == m_hwnd)
        return;
    m_isHovering = false;
    RedrawNow();
}

void CLinkLabel::OnClicked()
{
    const int result = OpenHyperlink(m_target, SW_SHOW, m_platform);
    m_isVisited = ShellSucceeded(result);
    if (m_isVisited) {
        MarkVisited(true);
        return;
    }
    MessageBeep(MB_ICONEXCLAMATION);
    ShowOpenError(result, m_user);
}
