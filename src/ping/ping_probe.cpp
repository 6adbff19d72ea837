#include "ping/ping_probe.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "ping/ping_schedule.h"
#include "ping/ping_time.h"

namespace {

constexpr std::uint32_t NO_PROBE_EXIT_CODE = 0xFFFFFFFF;

std::int32_t GamePortTimeOf(const PortConnection& connection)
{
    switch (connection.outcome) {
    case PortOutcome::Accepted:
        return static_cast<std::int32_t>(std::min<std::uint32_t>(connection.milliseconds, INT32_MAX));
    case PortOutcome::Refused:
        return GAME_PORT_CLOSED;
    case PortOutcome::NoAnswer:
        break;
    }
    return GAME_PORT_NO_ANSWER;
}

bool HoldsMoreThanAscii(const char16_t* text)
{
    for (; text != nullptr && *text != u'\0'; ++text) {
        if (*text > 0x7F)
            return true;
    }
    return false;
}

} // namespace

void CPingProbe::Start()
{
    m_nResult = 0;
    m_gamePortTime = GAME_PORT_UNMEASURED;
    m_strError.clear();
    // Busy before the worker exists, so that no poll sees a started probe
    // as idle before its result is in.
    m_bBusy.store(1, std::memory_order_release);
    if (!m_threads.StartThread(&CPingProbe::ProbeThreadProc, this))
        Finish(NoMeasurement());
}

std::uint32_t CPingProbe::ProbeThreadProc(void* parameter)
{
    auto* probe = static_cast<CPingProbe*>(parameter);
    if (probe == nullptr)
        return NO_PROBE_EXIT_CODE;
    return probe->Run();
}

std::uint32_t CPingProbe::Run()
{
    Results results = NoMeasurement();
    // Whatever goes wrong, the probe must end idle: the poller waits for it.
    try {
        Measure(results);
    } catch (...) {
    }
    Finish(results);
    return 0;
}

IPv4Address CPingProbe::ResolveHost(const char* host)
{
    return AddressOf(m_network.LookUpHost(host), "gethostbyname");
}

IPv4Address CPingProbe::ResolveHostUtf16(const char16_t* host)
{
    return AddressOf(m_network.LookUpHostUtf16(host), "GetAddrInfoW");
}

IPv4Address CPingProbe::AddressOf(const HostLookup& lookup, const char* lookUpCall)
{
    switch (lookup.status) {
    case HostLookupStatus::Resolved:
        return lookup.address;
    case HostLookupStatus::StartFailed:
        m_strError = "WSAStartup Failure " + std::to_string(lookup.error);
        break;
    case HostLookupStatus::NameFailed:
        m_strError = lookUpCall + std::string(" error ") + std::to_string(lookup.error);
        break;
    }
    return 0;
}

// A host outside ASCII is no dotted address, and its 8-bit text may name
// some other host: only its own name is looked up.
IPv4Address CPingProbe::Destination()
{
    if (HoldsMoreThanAscii(m_hostUtf16))
        return ResolveHostUtf16(m_hostUtf16);
    const std::optional<IPv4Address> dotted = m_network.DottedAddress(m_pszHost);
    return dotted ? *dotted : ResolveHost(m_pszHost);
}

void CPingProbe::Measure(Results& results)
{
    const IPv4Address destination = Destination();
    // Address 0 is what a failed resolution leaves, and no server: an echo
    // sent there would be answered by this very machine on some systems.
    if (destination == 0)
        return;
    results.pingTime = Echo(destination);
    // After the echoes, which it would otherwise delay; a connection needs
    // no ICMP, so it is made also where echo cannot be used.
    if (m_connectGamePort)
        results.gamePortTime =
            GamePortTimeOf(m_network.ConnectToPort(destination, GAME_PORT, GAME_PORT_TIMEOUT_MS));
}

std::int32_t CPingProbe::Echo(IPv4Address destination)
{
    std::unique_ptr<EchoSession> session = m_network.OpenSession();
    if (!session)
        return PING_UNREACHABLE;
    return AverageRoundTrip(*session, destination);
}

std::int32_t CPingProbe::AverageRoundTrip(EchoSession& session, IPv4Address destination)
{
    std::int64_t sum = 0;
    std::int32_t answered = 0;
    for (std::int32_t attempt = 1; attempt <= m_nAttempts; ++attempt) {
        EchoReply reply = session.SendEcho(destination, m_nTimeout);
        if (reply.status == ECHO_ANSWERED) {
            sum += reply.roundTripTime;
            ++answered;
        }
    }
    if (answered == 0)
        return PING_UNREACHABLE;
    return static_cast<std::int32_t>(sum / answered);
}

CPingProbe::Results CPingProbe::NoMeasurement() const
{
    return {PING_UNREACHABLE, m_connectGamePort ? GAME_PORT_NO_ANSWER : GAME_PORT_UNMEASURED};
}

void CPingProbe::Finish(const Results& results)
{
    m_nResult = results.pingTime;
    m_gamePortTime = results.gamePortTime;
    m_bBusy.store(0, std::memory_order_release);
}
