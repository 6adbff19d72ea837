#pragma once

#include "ping/echo_service.h"

// An echo service that sends nothing: for tests of the window that must
// not put ICMP on any network.
class NoEchoService : public EchoService {
  public:
    std::unique_ptr<EchoSession> OpenSession() override { return nullptr; }
    IPv4Address InetAddr(const char*) override { return ADDRESS_NONE; }
    int StartSockets() override { return 0; }
    std::optional<IPv4Address> GetHostByName(const char*) override { return std::nullopt; }
    int LastSocketError() override { return 0; }
    void CleanupSockets() override {}
    bool StartThread(ThreadProc, void*) override { return false; }
};
