// Runs Velnor's probe, as the "Ping" command sets it up, against each host
// given, one host at a time, for a number of rounds, and prints one line
// per probe: round, host, the reported time and how long the probe took.
// With --game-port the probe sends no echo and connects to the game port
// alone; the time reported is the connection's ("Closed" or "N/A" when it
// has none).
//
// Usage: velnor_probe_bench [--game-port] ROUNDS HOST...

#include <windows.h>

#include <winsock.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ping/ping_probe.h"
#include "ping/ping_schedule.h"
#include "ping/ping_time.h"
#include "platform/network_win32.h"
#include "platform/winsock_version_win32.h"
#include "platform/worker_threads_win32.h"

namespace {

void ProbeOnce(Win32Network& network, Win32WorkerThreads& threads, bool gamePort, int round, const char* host)
{
    CPingProbe probe(network, threads);
    probe.m_pszHost = host;
    probe.m_nTimeout = PING_TIMEOUT_MS;
    probe.m_nAttempts = gamePort ? 0 : PING_ATTEMPTS;
    probe.m_connectGamePort = gamePort;
    DWORD start = GetTickCount();
    probe.Start();
    while (probe.m_bBusy.load(std::memory_order_acquire) != 0)
        Sleep(1);
    const std::string result =
        gamePort ? GamePortText(probe.m_gamePortTime) : std::to_string(probe.m_nResult);
    std::printf("%d %s %s %lu\n", round, host, result.c_str(), GetTickCount() - start);
}

} // namespace

int main(int argc, char** argv)
{
    const bool gamePort = argc > 1 && std::strcmp(argv[1], "--game-port") == 0;
    if (gamePort) {
        --argc;
        ++argv;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: velnor_probe_bench [--game-port] ROUNDS HOST...\n");
        return 2;
    }
    WSADATA data;
    if (WSAStartup(WINSOCK_1_1, &data) != 0)
        return 1;
    Win32Network network;
    Win32WorkerThreads threads;
    int rounds = std::atoi(argv[1]);
    for (int round = 1; round <= rounds; ++round) {
        for (int i = 2; i < argc; ++i)
            ProbeOnce(network, threads, gamePort, round, argv[i]);
    }
    WSACleanup();
    return 0;
}
