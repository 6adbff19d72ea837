#pragma once

#include "platform/network.h"

// ICMP echo through "ICMP.DLL", or "IPHLPAPI.DLL" where the system has no
// "ICMP.DLL", which every session loads and releases itself; names and TCP
// connections through the system's sockets.
class Win32Network : public Network {
  public:
    std::unique_ptr<EchoSession> OpenSession() override;
    std::optional<IPv4Address> DottedAddress(const char* text) override;
    HostLookup LookUpHost(const char* name) override;
    HostLookup LookUpHostUtf16(const char16_t* name) override;
    PortConnection ConnectToPort(IPv4Address destination, std::uint16_t port,
                                 std::int32_t timeoutMs) override;
};
