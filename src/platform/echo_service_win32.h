#pragma once

#include "platform/echo_service.h"

// ICMP echo through "ICMP.DLL", which every session loads and releases
// itself; names through Winsock 1.1; worker threads of the system's own.
class Win32EchoService : public EchoService {
  public:
    std::unique_ptr<EchoSession> OpenSession() override;
    std::optional<IPv4Address> DottedAddress(const char* text) override;
    HostLookup LookUpHost(const char* name) override;
    bool StartThread(ThreadProc proc, void* parameter) override;
};
