#pragma once

#include "ping/ping_all.h"

class ServerView;
class WorkIndicator;

// Shows each reported server's times in the ping and game port cells of the
// row at its server's position, so row i must show entry i while the
// command polls; the view is not sorted here. The share of servers done
// goes to the work indicator.
class ServerViewPingReport : public PingReport {
  public:
    ServerViewPingReport(ServerView& view, WorkIndicator& work) : m_view(view), m_work(work) {}
    void ShowTimes(const std::vector<PingResult>& finished) override;
    void Repaint() override;
    void ShowProgress(int finished, int total) override;

  private:
    ServerView& m_view;
    WorkIndicator& m_work;
};
