#include <windows.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "ping/ping_time.h"
#include "platform/network_win32.h"
#include "program_bench.h"
#include "res/resource.h"
#include "ui/manager_dialog_win32.h"
#include "ui/server_view.h"
#include "ui/server_view_win32.h"

namespace {

constexpr int ROWS = 100;

// Servers with ping times from 1 to 99 ms and one that never answered,
// sorted, shuffled (as a ping run leaves them) or reversed (the most
// passes).
CServerList MeasuredServers(const std::string& order)
{
    std::vector<int> times(ROWS);
    std::iota(times.begin(), times.end(), 1);
    if (order == "reversed")
        std::reverse(times.begin(), times.end());
    if (order == "shuffled")
        std::shuffle(times.begin(), times.end(), std::mt19937(7));
    CServerList servers;
    for (int i = 0; i < ROWS; ++i) {
        const int time = times[static_cast<std::size_t>(i)];
        servers.Add(
            {"198.18.1." + std::to_string(i + 2), "Bench server", time == ROWS ? PING_UNREACHABLE : time});
    }
    return servers;
}

// Lets the window paint itself, as the program's message loop does before
// any command. (Under Wine, a list view that has never been painted takes
// tens of milliseconds for every row inserted or deleted.)
void RunPendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// One sort as "Ping" ends with it, and the time until the list view has
// painted the result.
void TimeOneSort(Win32ServerView& view, HWND list, const std::string& order, SortTimes& times)
{
    const CServerList servers = MeasuredServers(order);
    ServerViewOrder rows;
    FillServerView(servers, rows, view);
    RunPendingMessages();
    const long long start = NowTicks();
    SortServerViewByPing(servers, rows, view);
    const long long sorted = NowTicks();
    UpdateWindow(list);
    times.sort.push_back(MillisecondsBetween(start, sorted));
    times.untilPainted.push_back(MillisecondsBetween(start, NowTicks()));
}

} // namespace

std::vector<SortTimes> SortTimesOf100Rows(int rounds)
{
    OperatingSystem system;
    Win32Network network;
    CManagerDlg dialog(system, network);
    dialog.Create();
    RunPendingMessages();
    const HWND list = dialog.Item(IDC_SERVER_LIST);
    Win32ServerView view;
    view.Attach(list);

    std::vector<SortTimes> results;
    for (const char* order : {"sorted", "shuffled", "reversed"}) {
        SortTimes times{order, {}, {}};
        for (int round = 0; round < rounds; ++round)
            TimeOneSort(view, list, order, times);
        results.push_back(times);
    }
    return results;
}
