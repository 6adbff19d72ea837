#pragma once

// ICMP echo and host-name resolution for the probes.
class EchoService {
  public:
    virtual ~EchoService() = default;
};
