#pragma once

#include <cstdint>
#include <memory>
#include <optional>

// An IPv4 address in network byte order.
using IPv4Address = std::uint32_t;
// What InetAddr gives for text that is not a dotted-decimal address.
constexpr IPv4Address ADDRESS_NONE = 0xFFFFFFFF;
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

using ThreadProc = std::uint32_t (*)(void* parameter);

// ICMP echo, name resolution and worker threads, as the probes need them.
class EchoService {
  public:
    virtual ~EchoService() = default;
    // Null when ICMP cannot be used: the library or one of its functions is
    // missing, or no handle can be opened.
    virtual std::unique_ptr<EchoSession> OpenSession() = 0;
    // The dotted-decimal address in the text, or ADDRESS_NONE.
    virtual IPv4Address InetAddr(const char* text) = 0;
    // Starts the socket layer for one name look-up: 0, or the error code.
    virtual int StartSockets() = 0;
    // The first address of the host, nothing when the name does not resolve.
    virtual std::optional<IPv4Address> GetHostByName(const char* name) = 0;
    // The error code of the last failed look-up on this thread.
    virtual int LastSocketError() = 0;
    virtual void CleanupSockets() = 0;
    // Starts a thread that runs proc(parameter) at once and ends by itself;
    // nobody waits for it. False when no thread could be started.
    virtual bool StartThread(ThreadProc proc, void* parameter) = 0;
};
