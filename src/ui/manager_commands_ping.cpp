#include "ui/manager_commands.h"

#include "ping/ping_all.h"
#include "ping/ping_schedule.h"
#include "platform/clock.h"
#include "platform/work_indicator.h"
#include "ui/server_view.h"
#include "ui/server_view_ping_report.h"

void ManagerCommands::OnPing()
{
    // Unsigned arithmetic gives the true elapsed time across a wrap of the tick.
    if (m_platform.clock.TickCount() - m_dwLastPingEnd < PING_DEBOUNCE_MS)
        return;
    if (m_bPinging)
        return;
    m_bPinging = true;
    m_platform.work.BeginWork();
    FillServerView(*m_currentList, m_platform.view);
    m_platform.view.Repaint();
    SavePrivateListIfCurrent();
    ServerViewPingReport report(m_platform.view, m_platform.work);
    PingAll(*m_currentList, report, m_platform.clock, m_platform.echo, m_gamePorts);
    SortServerViewByPing(m_platform.view);
    m_platform.work.EndWork();
    m_bPinging = false;
    m_dwLastPingEnd = m_platform.clock.TickCount();
}
