#pragma once

#include "platform/echo_service.h"

// An echo service that sends nothing: for tests of the window that must
// not put ICMP on any network.
class NoEchoService : public EchoService {
  public:
    std::unique_ptr<EchoSession> OpenSession() override { return nullptr; }
    std::optional<IPv4Address> DottedAddress(const char*) override { return std::nullopt; }
    HostLookup LookUpHost(const char*) override { return {HostLookupStatus::NameFailed, 0, 0}; }
    bool StartThread(ThreadProc, void*) override { return false; }
};
