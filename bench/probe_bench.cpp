// Runs Velnor's probe, as the "Ping" command sets it up, against each host
// given, one host at a time, for a number of rounds, and prints one line
// per probe: round, host, the reported time and how long the probe took.
//
// Usage: velnor_probe_bench ROUNDS HOST...

#include <windows.h>

#include <winsock.h>

#include <cstdio>
#include <cstdlib>

#include "ping/ping_probe.h"
#include "ping/ping_schedule.h"
#include "platform/echo_service_win32.h"
#include "platform/winsock_version_win32.h"

namespace {

void ProbeOnce(Win32EchoService& echo, int round, const char* host)
{
    CPingProbe probe(echo);
    probe.m_pszHost = host;
    probe.m_nTimeout = PING_TIMEOUT_MS;
    probe.m_nAttempts = PING_ATTEMPTS;
    DWORD start = GetTickCount();
    probe.Start();
    while (probe.m_bBusy.load(std::memory_order_acquire) != 0)
        Sleep(1);
    std::printf("%d %s %d %lu\n", round, host, probe.m_nResult, GetTickCount() - start);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: velnor_probe_bench ROUNDS HOST...\n");
        return 2;
    }
    WSADATA data;
    if (WSAStartup(WINSOCK_1_1, &data) != 0)
        return 1;
    Win32EchoService echo;
    int rounds = std::atoi(argv[1]);
    for (int round = 1; round <= rounds; ++round) {
        for (int i = 2; i < argc; ++i)
            ProbeOnce(echo, round, argv[i]);
    }
    WSACleanup();
    return 0;
}
