#include <windows.h>

#include <psapi.h>

#include "child_process.h"
#include "pending_press.h"
#include "program_bench.h"
#include "res/resource.h"
#include "velnor_window.h"

namespace {

constexpr DWORD SHOWN_TIMEOUT_MS = 60000;
constexpr DWORD EXIT_TIMEOUT_MS = 15000;
// "Ping" over 100 servers: 20 s of starts, then up to 4.5 s per probe; the
// rest is slack for a loaded machine.
constexpr DWORD PING_TIMEOUT_MS = 300000;

void Close(const ChildProcess& process, const DialogWindow& window)
{
    window.SystemCommand(SC_CLOSE);
    process.WaitForExit(EXIT_TIMEOUT_MS);
}

double PeakMiB(const ChildProcess& process)
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process.Handle(), &counters, sizeof counters))
        return -1;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

} // namespace

double MillisecondsBetween(long long startTicks, long long endTicks)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(endTicks - startTicks) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

long long NowTicks()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double StartupMilliseconds(const std::string& program, const std::string& caption)
{
    ChildProcess process(program);
    DialogWindow window = WaitForTopLevelWindow(process, caption, SHOWN_TIMEOUT_MS);
    SendWithin(window.Handle(), WM_NULL, 0, 0);
    const double elapsed = MillisecondsBetween(process.StartTicks(), NowTicks());
    Close(process, window);
    return elapsed;
}

double PeakMiBWhenShown(const std::string& program, const std::string& caption)
{
    ChildProcess process(program);
    DialogWindow window = WaitForTopLevelWindow(process, caption, SHOWN_TIMEOUT_MS);
    SendWithin(window.Handle(), WM_NULL, 0, 0);
    const double peak = PeakMiB(process);
    Close(process, window);
    return peak;
}

PingRun PingOnce(const std::string& velnor)
{
    ChildProcess process(velnor);
    DialogWindow window = WaitForMainWindow(process, SHOWN_TIMEOUT_MS);
    const long long start = NowTicks();
    {
        PendingPress ping(window.Item(IDC_PING), PING_TIMEOUT_MS);
        ping.WaitUntilDone(PING_TIMEOUT_MS);
    }
    const PingRun run{PeakMiB(process), MillisecondsBetween(start, NowTicks()) / 1000.0};
    Close(process, window);
    return run;
}
