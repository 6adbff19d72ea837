#pragma once

#include "ping/echo_service.h"

// ICMP echo through "ICMP.DLL", which every session loads and releases
// itself; names through Winsock 1.1; worker threads of the system's own.
class IcmpEchoService : public EchoService {
  public:
    std::unique_ptr<EchoSession> OpenSession() override;
    IPv4Address InetAddr(const char* text) override;
    int StartSockets() override;
    std::optional<IPv4Address> GetHostByName(const char* name) override;
    int LastSocketError() override;
    void CleanupSockets() override;
    bool StartThread(ThreadProc proc, void* parameter) override;
};
