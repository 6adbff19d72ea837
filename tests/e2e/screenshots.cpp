#include "screenshots.h"

#include <cstdio>

#include "machine_state.h"
#include "window_messages.h"

namespace {

constexpr DWORD SCREENSHOT_TIMEOUT_MS = 30000;

RECT Union(std::initializer_list<HWND> windows)
{
    RECT area{};
    for (HWND window : windows) {
        RECT rect{};
        GetWindowRect(window, &rect);
        UnionRect(&area, &area, &rect);
    }
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&area, &area, &screen);
    return area;
}

// The area as ImageMagick's crop geometry: WIDTHxHEIGHT+X+Y.
std::string Geometry(const RECT& area)
{
    char geometry[64];
    std::snprintf(geometry, sizeof geometry, "%ldx%ld+%ld+%ld", area.right - area.left,
                  area.bottom - area.top, area.left, area.top);
    return geometry;
}

} // namespace

void Screenshots::Take(const std::string& name, std::initializer_list<HWND> windows) const
{
    if (m_folder.empty())
        return;
    const std::string request = m_folder + "\\" + name + ".request";
    // Written aside and renamed, so that the watcher never reads half of it.
    WriteWholeFile(request + ".new", Geometry(Union(windows)) + "\n");
    MoveFileExA((request + ".new").c_str(), request.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (!PollUntil([&] { return !FileExists(request); }, SCREENSHOT_TIMEOUT_MS))
        std::printf("  (no screenshot %s: nothing took the request)\n", name.c_str());
}
