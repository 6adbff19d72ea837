#include "ui/server_view_ping_report.h"

#include "ping/ping_time.h"
#include "ui/server_view.h"
#include "ui/work_indicator.h"

void ServerViewPingReport::ShowTimes(const std::vector<PingResult>& finished)
{
    // One repaint for the whole pass, not one per cell.
    ServerViewBatch batch(m_view);
    for (const PingResult& result : finished) {
        m_view.SetCellText(result.server, COLUMN_PING, PingText(result.pingTime));
        m_view.SetCellText(result.server, COLUMN_GAME_PORT, GamePortText(result.gamePortTime));
    }
}

void ServerViewPingReport::Repaint()
{
    m_view.Repaint();
}

void ServerViewPingReport::ShowProgress(int finished, int total)
{
    m_work.ShowProgress(finished, total);
}
