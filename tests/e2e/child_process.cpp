#include "child_process.h"

#include <stdexcept>

namespace {

std::string DirectoryOf(const std::string& path)
{
    const std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

LONGLONG NowTicks()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

} // namespace

ChildProcess::ChildProcess(const std::string& program)
{
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    m_startTicks = NowTicks();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        DirectoryOf(program).c_str(), &startup, &m_info))
        throw std::runtime_error("cannot start " + program + " (error " + std::to_string(GetLastError()) +
                                 ")");
}

ChildProcess::~ChildProcess()
{
    if (IsRunning()) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

bool ChildProcess::IsRunning() const
{
    return WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) const
{
    return WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}
