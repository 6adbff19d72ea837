// How a link label looks: its colours, its underlined font and its size
// fitted to the text.
#include "controls/link_label_win32.h"

#include "controls/link_appearance.h"

static_assert(LABEL_STYLE_CENTER == SS_CENTER && LABEL_STYLE_RIGHT == SS_RIGHT &&
              LABEL_STYLE_CENTERIMAGE == SS_CENTERIMAGE);
static_assert(LINK_COLOR_UNVISITED == RGB(0, 0, 238) && LINK_COLOR_VISITED == RGB(85, 26, 139));

namespace {

constexpr COLORREF SYSTEM_HIGHLIGHT = static_cast<COLORREF>(-1);

} // namespace

void CLinkLabel::SetStateColors(COLORREF unvisited, COLORREF visited, COLORREF hover)
{
    m_colorUnvisited = unvisited;
    m_colorVisited = visited;
    m_colorHover = hover == SYSTEM_HIGHLIGHT ? GetSysColor(COLOR_HIGHLIGHT) : hover;
    Invalidate();
}

void CLinkLabel::MarkVisited(bool visited)
{
    m_isVisited = visited;
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
    FitWindowToText();
}

// The window's current font with the underline set as asked; the font it
// replaces is deleted only once the window no longer uses it. A window
// without a font of its own draws in the system font, so that is copied.
void CLinkLabel::SetLinkFont(bool underlined)
{
    HGDIOBJ current = reinterpret_cast<HGDIOBJ>(SendMessageA(m_window, WM_GETFONT, 0, 0));
    LOGFONTA description{};
    GetObjectA(current ? current : GetStockObject(SYSTEM_FONT), sizeof description, &description);
    description.lfUnderline = underlined ? TRUE : FALSE;
    UniqueFont font(CreateFontIndirectA(&description));
    SendMessageA(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    m_linkFont = std::move(font);
}

void CLinkLabel::FitWindowToText()
{
    if (!IsAttached() || !m_fitToText)
        return;
    RECT window;
    GetWindowRect(m_window, &window);
    POINT corners[2] = {{window.left, window.top}, {window.right, window.bottom}};
    if (HWND parent = GetParent(m_window)) {
        ScreenToClient(parent, &corners[0]);
        ScreenToClient(parent, &corners[1]);
    }

    const std::string text = m_window.GetText();
    SIZE extent{};
    HDC dc = GetDC(m_window);
    HGDIOBJ previous = SelectObject(dc, m_linkFont.get());
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(m_window, dc);

    const auto style = static_cast<std::uint32_t>(GetWindowLongA(m_window, GWL_STYLE));
    const LabelRect fitted =
        FitLabelRect({corners[0].x, corners[0].y, corners[1].x, corners[1].y}, style, extent.cx, extent.cy);
    SetWindowPos(m_window, nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
                 fitted.bottom - fitted.top, SWP_NOZORDER);
}

// A label not on the screen yet is painted when it is attached.
void CLinkLabel::Invalidate()
{
    if (IsAttached())
        m_window.Invalidate();
}

// Nothing is painted behind the text: the dialog shows through.
LRESULT CLinkLabel::OnCtlColor(HDC dc)
{
    SetTextColor(
        dc, ChooseLinkColor({m_colorUnvisited, m_colorVisited, m_colorHover}, m_isHovering, m_isVisited));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}
