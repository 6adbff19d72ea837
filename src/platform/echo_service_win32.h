#pragma once

#include "platform/echo_service.h"

// ICMP echo through "ICMP.DLL", which every session loads and releases
// itself; names and TCP connections through Winsock 1.1; worker threads of
// the system's own.
class Win32EchoService : public EchoService {
  public:
    std::unique_ptr<EchoSession> OpenSession() override;
    std::optional<IPv4Address> DottedAddress(const char* text) override;
    HostLookup LookUpHost(const char* name) override;
    PortConnection ConnectToPort(IPv4Address destination, std::uint16_t port,
                                 std::int32_t timeoutMs) override;
    bool StartThread(ThreadProc proc, void* parameter) override;
};
