#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "lists/server_list.h"
#include "platform/network.h"
#include "platform/worker_threads.h"

// One measurement of one server on a worker thread of its own: the average
// round-trip time of the answered echo requests, or PING_UNREACHABLE when
// none was answered; and, when asked, what one connection to the server's
// game port gave after the echoes.
//
// The owner sets m_pszHost, m_nTimeout, m_nAttempts and m_connectGamePort,
// calls Start, and reads m_nResult and m_gamePortTime once m_bBusy reads 0
// (acquire order). The worker shares only those fields and the borrowed
// host text with its owner; it does not touch the probe after clearing
// m_bBusy, so an idle probe may be destroyed at once.
class CPingProbe {
  public:
    CPingProbe(Network& network, WorkerThreads& threads) : m_network(network), m_threads(threads) {}
    CPingProbe(const CPingProbe&) = delete;
    CPingProbe& operator=(const CPingProbe&) = delete;

    // Returns at once; the probe reads busy from here until its result is in.
    void Start();
    // The worker's entry: runs the probe given as parameter.
    static std::uint32_t ProbeThreadProc(void* parameter);
    std::uint32_t Run();
    // The host's first IPv4 address, 0 when it does not resolve.
    IPv4Address ResolveHost(const char* host);
    IPv4Address ResolveHostUtf16(const char16_t* host);

    // Why the last name resolution failed; diagnosis only.
    std::string m_strError;
    std::atomic<std::int32_t> m_bBusy{0};
    std::int32_t m_nTimeout = 750;
    std::int32_t m_nAttempts = 3;
    // Borrowed: must stay alive and unchanged while the probe is busy.
    const char* m_pszHost = nullptr;
    // Borrowed as m_pszHost: the host as its source stored it, in UTF-16,
    // or null. Where it holds more than ASCII, m_pszHost may show '?' for
    // what the code page cannot, and the probe looks this name up instead.
    const char16_t* m_hostUtf16 = nullptr;
    std::int32_t m_nResult = 0;
    bool m_connectGamePort = false;
    // GAME_PORT_UNMEASURED when no connection was asked for.
    std::int32_t m_gamePortTime = GAME_PORT_UNMEASURED;

  private:
    struct Results {
        std::int32_t pingTime;
        std::int32_t gamePortTime;
    };

    // What a run that measured nothing leaves.
    Results NoMeasurement() const;
    void Measure(Results& results);
    IPv4Address Destination();
    IPv4Address AddressOf(const HostLookup& lookup, const char* lookUpCall);
    std::int32_t Echo(IPv4Address destination);
    std::int32_t AverageRoundTrip(EchoSession& session, IPv4Address destination);
    void Finish(const Results& results);

    Network& m_network;
    WorkerThreads& m_threads;
};
