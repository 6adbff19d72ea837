#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "machine_state.h"
#include "res/resource.h"
#include "walk.h"
#include "walk_checks.h"

namespace {

// The display's DPI as the user sets it; a program reads it as it starts.
const char* const DESKTOP_KEY = "Control Panel\\Desktop";
constexpr DWORD HIGH_DPI = 144;
// Dialog units come out as whole pixels at either DPI.
constexpr long ROUNDING_PX = 2;
// Fonts do not grow exactly as the DPI does, and text with them.
constexpr double LEAST_GROWTH = 1.3;
constexpr double MOST_GROWTH = 1.7;
// The widest vertical scroll bar of the usual themes at 96 DPI.
constexpr int MOST_SCROLL_BAR_PX = 20;

bool IsLink(int id)
{
    return id == IDC_HOMEPAGE_LINK || id == IDC_MAIL_LINK;
}

bool Near(long seen, long expected)
{
    return std::labs(seen - expected) <= ROUNDING_PX;
}

bool Grew(long seen, long standard)
{
    const double growth = static_cast<double>(seen) / static_cast<double>(standard);
    return growth >= LEAST_GROWTH && growth <= MOST_GROWTH;
}

std::string Describe(SIZE size)
{
    return std::to_string(size.cx) + " x " + std::to_string(size.cy);
}

std::string Describe(const RECT& rect)
{
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + ")";
}

// Where the control would be if the whole window had been scaled as one.
RECT Scaled(const RECT& rect, SIZE from, SIZE to)
{
    return {MulDiv(rect.left, to.cx, from.cx), MulDiv(rect.top, to.cy, from.cy),
            MulDiv(rect.right, to.cx, from.cx), MulDiv(rect.bottom, to.cy, from.cy)};
}

// A link fits itself to its text: its corner keeps its place, and its size
// grows as its font does.
bool KeepsItsPlace(int id, const RECT& seen, const RECT& standard, SIZE from, SIZE to)
{
    const RECT expected = Scaled(standard, from, to);
    if (!Near(seen.left, expected.left) || !Near(seen.top, expected.top))
        return false;
    if (IsLink(id))
        return Grew(seen.right - seen.left, standard.right - standard.left) &&
               Grew(seen.bottom - seen.top, standard.bottom - standard.top);
    return Near(seen.right, expected.right) && Near(seen.bottom, expected.bottom);
}

// The controls out of place, one line each; "" when there are none.
std::string Misplaced(const WindowLayout& standard, const WindowLayout& scaled)
{
    if (standard.controls.size() != scaled.controls.size())
        return "another number of controls\n";
    std::string lines;
    for (size_t i = 0; i < scaled.controls.size(); ++i) {
        const auto& [id, rect] = scaled.controls[i];
        const RECT& before = standard.controls[i].second;
        if (standard.controls[i].first != id ||
            !KeepsItsPlace(id, rect, before, standard.client, scaled.client))
            lines += std::to_string(id) + " at " + Describe(rect) + ", at 96 DPI " + Describe(before) + "\n";
    }
    return lines;
}

// The columns' widths, one line, unless together they take the list's
// client width less at most room for a vertical scroll bar at this DPI:
// then "".
std::string ColumnsOutOfPlace(HWND list)
{
    RECT client{};
    GetClientRect(list, &client);
    long total = 0;
    std::string seen;
    for (int column = 0; column < 4; ++column) {
        const long width = static_cast<long>(SendWithin(list, LVM_GETCOLUMNWIDTH, column, 0));
        total += width;
        seen += std::to_string(width) + " ";
    }
    const long room = client.right - total;
    if (room >= 0 && room <= MulDiv(MOST_SCROLL_BAR_PX, HIGH_DPI, 96))
        return "";
    return seen + "in a client width of " + std::to_string(client.right);
}

} // namespace

void WalkAtHighDpi(Walk& walk)
{
    walk.report.Step("Start at 144 DPI: the window grows and keeps its layout");
    WriteUserNumber(DESKTOP_KEY, "LogPixels", HIGH_DPI);
    VelnorRun run(walk.setup.velnor);
    const WindowLayout& standard = walk.standardLayout;
    const WindowLayout scaled = LayoutOf(run.window);
    walk.report.Check(
        Grew(scaled.client.cx, standard.client.cx) && Grew(scaled.client.cy, standard.client.cy),
        "the client area grows from " + Describe(standard.client) + " to " + Describe(scaled.client));
    walk.report.CheckEqual(Misplaced(standard, scaled), "",
                           "every control keeps its place, the links fitted to their larger text");
    const HWND list = run.window.Item(IDC_SERVER_LIST);
    walk.report.CheckEqual(ColumnsOutOfPlace(list), "", "the four columns share the larger list");
    walk.report.Check(!(GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL), "with no horizontal scroll bar");
    walk.screenshots.Take("10-high-dpi", {run.window.Handle()});
    CloseThroughCloseBox(walk, run);
}
