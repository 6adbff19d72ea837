#pragma once

#include <windows.h>

#include <string>

// A program that the driver started. If it is still running when the
// object goes (a walk that failed half-way), it is ended, so that no run
// leaves a window behind in the prefix.
class ChildProcess {
  public:
    // Starts the program in its own directory with no arguments; throws
    // std::runtime_error when it cannot be started.
    explicit ChildProcess(const std::string& program);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }
    // The time at which it was started, in QueryPerformanceCounter ticks.
    LONGLONG StartTicks() const { return m_startTicks; }
    bool IsRunning() const;
    bool WaitForExit(DWORD timeoutMs) const;

  private:
    PROCESS_INFORMATION m_info{};
    LONGLONG m_startTicks = 0;
};
