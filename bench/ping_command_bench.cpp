// One "Ping" press in the real main window over a full list of loopback
// servers (127.0.0.1 up to 127.0.0.N), then the ping schedule alone
// (PingAll) over the same servers with the rows kept in memory, so that the
// list view's own share shows. Prints one line for each: what was run,
// servers, wall ms, CPU ms of this process, rows that show a time. The
// press's line adds how long the window took at most to answer a WM_NULL
// sent every 20 ms from another thread during the run, how many it
// answered, and how far into the run (ms) the slowest was sent; the
// watch's own CPU time is left out of the CPU figure.
//
// Usage: velnor_ping_command_bench [N]   (N: 1 to 100, default 100)

#include <windows.h>

#include <winsock.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "answer_watch.h"
#include "fakes/fake_server_view.h"
#include "lists/server_list.h"
#include "ping/game_port_memory.h"
#include "ping/ping_all.h"
#include "platform/clock_win32.h"
#include "platform/network_win32.h"
#include "platform/winsock_version_win32.h"
#include "res/resource.h"
#include "ui/manager_dialog_win32.h"
#include "ui/server_view.h"
#include "ui/server_view_ping_report.h"
#include "ui/work_indicator_win32.h"
#include "win/list_view.h"

namespace {

bool SeedServerList(const std::string& value)
{
    HKEY key;
    // In the games' view, the one Velnor reads, whichever the build.
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Battle.Net\\Configuration", 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(key, "Server List", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::string LoopbackList(int count)
{
    std::string list;
    for (int i = 1; i <= count; ++i)
        list += "127.0.0." + std::to_string(i) + ";";
    return list;
}

double CpuMilliseconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ticks = [](const FILETIME& time) {
        return static_cast<double>(static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 10000.0;
}

double NowMilliseconds()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

int RowsWithATime(const std::vector<std::string>& pings)
{
    return static_cast<int>(std::count_if(
        pings.begin(), pings.end(), [](const std::string& text) { return text != "N/A" && !text.empty(); }));
}

std::vector<std::string> PingColumn(const win::ListView& view)
{
    std::vector<std::string> pings;
    for (int row = 0; row < view.GetItemCount(); ++row)
        pings.push_back(view.GetItemText(row, COLUMN_PING));
    return pings;
}

// Lets the window show and paint itself, as the program's message loop
// does before the first click.
void RunPendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

struct Figures {
    double wall;
    double cpu;
};

template <typename Run> Figures Measure(Run run)
{
    double cpuBefore = CpuMilliseconds();
    double start = NowMilliseconds();
    run();
    return {NowMilliseconds() - start, CpuMilliseconds() - cpuBefore};
}

} // namespace

int main(int argc, char** argv)
{
    int count = std::clamp(argc > 1 ? std::atoi(argv[1]) : MAX_SERVERS, 1, MAX_SERVERS);
    WSADATA data;
    if (WSAStartup(WINSOCK_1_1, &data) != 0 || !SeedServerList(LoopbackList(count)))
        return 1;
    OperatingSystem system;
    Win32Network network;
    CManagerDlg dialog(system, network);
    if (dialog.Create() == nullptr)
        return 1;
    const win::ListView view(dialog.Item(IDC_SERVER_LIST));

    RunPendingMessages();
    AnswerWatch watch(dialog.Handle());
    const Figures press =
        Measure([&] { SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_PING, BN_CLICKED), 0); });
    watch.Stop();
    std::printf("press %d %.0f %.0f %d %.0f %d %.0f\n", count, press.wall, press.cpu - watch.CpuMs(),
                RowsWithATime(PingColumn(view)), watch.LongestAnswerMs(), watch.Answers(),
                watch.LongestAnswerAskedAtMs());

    CServerList list;
    for (int i = 0; i < count; ++i)
        list.Add({"127.0.0." + std::to_string(i + 1), "", 0});
    FakeServerView rows;
    ServerViewOrder order;
    FillServerView(list, order, rows);
    Win32Clock clock;
    Win32WorkIndicator progress;
    ServerViewPingReport report(list, rows, progress);
    // Loopback's ports were connected to by the press: their outcomes are remembered.
    GamePortMemory gamePorts;
    const Figures schedule =
        Measure([&] { PingAll(list, report, clock, network, system.threads, gamePorts); });
    std::printf("schedule %d %.0f %.0f %d\n", count, schedule.wall, schedule.cpu,
                RowsWithATime(rows.Column(COLUMN_PING)));
    WSACleanup();
    return 0;
}
