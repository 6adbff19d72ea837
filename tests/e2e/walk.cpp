#include "walk.h"

#include <sstream>

namespace {

// A new prefix may take its time to start the first program.
constexpr DWORD START_TIMEOUT_MS = 60000;

} // namespace

// What run-walk.sh seeds with `reg add`, read back line by line.
const std::vector<std::string> SEEDED_GATEWAYS = {
    "2000", "01", "127.0.0.1", "-1", "Loopback", "velnor..invalid", "8", "Reserved"};
const std::vector<std::string> SEEDED_OVERRIDE_GATEWAYS = {"2000", "01", "127.0.0.8", "-1", "Override"};

VelnorRun::VelnorRun(const std::string& program)
    : process(program), window(WaitForMainWindow(process, START_TIMEOUT_MS))
{
}

WindowLayout LayoutOf(const DialogWindow& window)
{
    RECT client{};
    GetClientRect(window.Handle(), &client);
    WindowLayout layout{{client.right, client.bottom}, {}};
    for (HWND child = GetWindow(window.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        layout.controls.emplace_back(GetDlgCtrlID(child), rect);
    }
    return layout;
}

std::string DescribeRows(const std::vector<ViewRow>& rows)
{
    std::ostringstream text;
    for (const ViewRow& row : rows)
        text << row[0] << " | " << row[1] << " | " << row[2] << " | " << row[3] << "\n";
    return text.str();
}

std::vector<ViewRow> PublicRows(const std::string& serverList, const std::vector<ViewRow>& gatewayRows)
{
    std::vector<ViewRow> rows;
    std::istringstream names(serverList);
    for (std::string name; std::getline(names, name, ';');)
        rows.push_back({name, "Blizz Server", "0", ""});
    rows.insert(rows.end(), gatewayRows.begin(), gatewayRows.end());
    return rows;
}
