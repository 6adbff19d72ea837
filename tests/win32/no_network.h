#pragma once

#include "platform/network.h"

// A network that sends nothing: for tests of the window that must not put
// ICMP or TCP on any network.
class NoNetwork : public Network {
  public:
    std::unique_ptr<EchoSession> OpenSession() override { return nullptr; }
    std::optional<IPv4Address> DottedAddress(const char*) override { return std::nullopt; }
    HostLookup LookUpHost(const char*) override { return {HostLookupStatus::NameFailed, 0, 0}; }
    HostLookup LookUpHostUtf16(const char16_t*) override { return {HostLookupStatus::NameFailed, 0, 0}; }
    PortConnection ConnectToPort(IPv4Address, std::uint16_t, std::int32_t) override { return {}; }
};
