#pragma once

#include <cstdint>
#include <memory>
#include <optional>

// An IPv4 address in network byte order.
using IPv4Address = std::uint32_t;
// The status of an echo request that was answered.
constexpr std::uint32_t ECHO_ANSWERED = 0;

struct EchoReply {
    std::uint32_t status;
    std::uint32_t roundTripTime; // milliseconds
};

// An open ICMP handle. The handle is closed, and the library that gave it
// released, when the session is destroyed.
class EchoSession {
  public:
    virtual ~EchoSession() = default;
    // Sends one echo request and waits up to the timeout for its reply.
    // Every call answers with its own status, not a previous one.
    virtual EchoReply SendEcho(IPv4Address destination, std::int32_t timeoutMs) = 0;
};

// How a host name look-up ended: with an address, or failed at one of its
// two stages (the resolver could not be started, or the name did not
// resolve), with the system's error code.
enum class HostLookupStatus { Resolved, StartFailed, NameFailed };

struct HostLookup {
    HostLookupStatus status = HostLookupStatus::Resolved;
    // The host's first address, when resolved.
    IPv4Address address = 0;
    // The system's error code, when failed.
    int error = 0;
};

// How a connection to a port ended: taken, refused with a reset, or not
// answered (no answer in time, an unreachable host, any other error).
enum class PortOutcome { Accepted, Refused, NoAnswer };

struct PortConnection {
    PortOutcome outcome = PortOutcome::NoAnswer;
    // How long the connection took, in whole milliseconds, when accepted.
    std::uint32_t milliseconds = 0;
};

// ICMP echo, host addresses and a TCP connection to a port, as the probes
// need them. Safe on several threads at once.
class Network {
  public:
    virtual ~Network() = default;
    // Null when ICMP cannot be used: the library or one of its functions is
    // missing, or no handle can be opened.
    virtual std::unique_ptr<EchoSession> OpenSession() = 0;
    // The address in dotted-decimal text as the system's parser reads it;
    // nothing when the parser refuses the text.
    virtual std::optional<IPv4Address> DottedAddress(const char* text) = 0;
    virtual HostLookup LookUpHost(const char* name) = 0;
    // The same for a name in UTF-16, which the code page need not hold.
    virtual HostLookup LookUpHostUtf16(const char16_t* name) = 0;
    // Opens one TCP connection to the port, waiting up to the timeout, and
    // closes it at once without sending anything.
    virtual PortConnection ConnectToPort(IPv4Address destination, std::uint16_t port,
                                         std::int32_t timeoutMs) = 0;
};
