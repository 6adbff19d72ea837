// Velnor as a whole under Wine, next to a minimal dialog program of the
// same build: the time from process start to the window being shown, the
// peak memory with the window shown and over a "Ping" of 100 servers, and
// the sort of 100 rows in the real list view. Prints figures side by side;
// nothing passes or fails.
//
// Usage: velnor_program_bench VELNOR_EXE MINIMAL_DIALOG_EXE ROUNDS [HOST...]
// The 100 pinged servers are the hosts given, repeated in turn, or else
// 127.0.0.1 to 127.0.0.100. Nothing but loopback and the test hosts is
// ever listed.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "machine_state.h"
#include "program_bench.h"

namespace {

constexpr int PINGED_SERVERS = 100;

const char* const STARTUP_SERVER_LIST = "127.0.0.1;127.0.0.2;127.0.0.3;127.0.0.4;127.0.0.5;127.0.0.6;"
                                        "127.0.0.7;127.0.0.8;127.0.0.9";

std::string PingedServerList(const std::vector<std::string>& hosts)
{
    std::string list;
    for (int i = 0; i < PINGED_SERVERS; ++i) {
        list += i == 0 ? "" : ";";
        list += hosts.empty() ? "127.0.0." + std::to_string(i + 1)
                              : hosts[static_cast<std::size_t>(i) % hosts.size()];
    }
    return list;
}

struct Summary {
    double median;
    double least;
};

Summary Summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front()};
}

const char* WineVersion()
{
    using Version = const char*(CDECL*)();
    auto version = reinterpret_cast<Version>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    return version ? version() : "none";
}

void PrintStartup(const std::string& velnor, const std::string& minimal, int rounds)
{
    WriteMachineString(CONFIGURATION_KEY, SERVER_LIST_VALUE, STARTUP_SERVER_LIST);
    // The first start of each warms the prefix and the file cache.
    StartupMilliseconds(velnor, "Velnor");
    StartupMilliseconds(minimal, "Minimal dialog");
    std::vector<double> velnorTimes, minimalTimes;
    for (int round = 0; round < rounds; ++round) {
        velnorTimes.push_back(StartupMilliseconds(velnor, "Velnor"));
        minimalTimes.push_back(StartupMilliseconds(minimal, "Minimal dialog"));
    }
    const Summary v = Summarise(velnorTimes);
    const Summary m = Summarise(minimalTimes);
    std::printf("%-44s %8.1f (%6.1f) %8.1f (%6.1f) %7.2f   aim: at most 1.2\n",
                "start to window shown, ms: median (least)", v.median, v.least, m.median, m.least,
                v.median / m.median);
}

void PrintMemory(const std::string& velnor, const std::string& minimal, const std::vector<std::string>& hosts)
{
    WriteMachineString(CONFIGURATION_KEY, SERVER_LIST_VALUE, STARTUP_SERVER_LIST);
    const double velnorShown = PeakMiBWhenShown(velnor, "Velnor");
    const double minimalShown = PeakMiBWhenShown(minimal, "Minimal dialog");
    std::printf("%-44s %17.1f %17.1f %7.2f\n", "peak working set, MiB: window shown", velnorShown,
                minimalShown, velnorShown / minimalShown);
    WriteMachineString(CONFIGURATION_KEY, SERVER_LIST_VALUE, PingedServerList(hosts));
    const PingRun ping = PingOnce(velnor);
    std::printf("%-44s %17.1f %17.1f %7.2f\n", "peak working set, MiB: over Ping of 100", ping.peakMiB,
                minimalShown, ping.peakMiB / minimalShown);
    std::printf("%-44s %17.1f\n", "that Ping, from click to window free, s", ping.seconds);
}

void PrintSort(int rounds)
{
    WriteMachineString(CONFIGURATION_KEY, SERVER_LIST_VALUE, STARTUP_SERVER_LIST);
    std::printf("\n%-44s %17s %17s %7s   aim: at most 50\n", "sort of 100 rows in the list view, ms", "sort",
                "until painted", "");
    for (const SortTimes& times : SortTimesOf100Rows(rounds)) {
        const Summary sort = Summarise(times.sort);
        const Summary painted = Summarise(times.untilPainted);
        std::printf("  %-42s %8.1f (%6.1f) %8.1f (%6.1f)\n", times.order.c_str(), sort.median, sort.least,
                    painted.median, painted.least);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || std::atoi(argv[3]) < 1) {
        std::fprintf(stderr, "usage: velnor_program_bench VELNOR_EXE MINIMAL_DIALOG_EXE ROUNDS [HOST...]\n");
        return 2;
    }
    const std::string velnor = argv[1], minimal = argv[2];
    const int rounds = std::atoi(argv[3]);
    const std::vector<std::string> hosts(argv + 4, argv + argc);
    if (!std::all_of(hosts.begin(), hosts.end(), IsTestAddress)) {
        std::fprintf(stderr, "velnor_program_bench: only loopback and 198.18.0.0/15 hosts may be pinged\n");
        return 2;
    }
    // Each figure shows as it comes, also through a pipe.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    try {
        std::printf("Velnor as a whole under Wine %s, %d rounds; pinged: %s\n\n", WineVersion(), rounds,
                    hosts.empty() ? "127.0.0.1 to 127.0.0.100" : "the test hosts given, in turn");
        std::printf("%-44s %17s %17s %7s\n", "", "velnor.exe", "minimal dialog", "ratio");
        PrintStartup(velnor, minimal, rounds);
        PrintMemory(velnor, minimal, hosts);
        PrintSort(rounds);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velnor_program_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
