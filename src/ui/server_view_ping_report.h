#pragma once

#include "ping/ping_all.h"

class ServerView;

// Shows each reported server's times in the ping and game port cells of the
// row at its server's position, so row i must show entry i while the command polls. The view
// is not sorted here.
class ServerViewPingReport : public PingReport {
  public:
    explicit ServerViewPingReport(ServerView& view) : m_view(view) {}
    void ShowTimes(const std::vector<PingResult>& finished) override;
    void Repaint() override;

  private:
    ServerView& m_view;
};
