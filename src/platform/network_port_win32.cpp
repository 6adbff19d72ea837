#include <windows.h>

#include <winsock2.h>

#include <mstcpip.h>

#include "platform/network_win32.h"

namespace {

// A TCP socket, closed when it goes. Closing ends the connection without
// sending anything on it.
class Socket {
  public:
    Socket() : m_socket(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {}
    ~Socket()
    {
        if (IsOpen())
            closesocket(m_socket);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    bool IsOpen() const { return m_socket != INVALID_SOCKET; }
    SOCKET Handle() const { return m_socket; }

  private:
    SOCKET m_socket;
};

long long Counter()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

// The tick count would round a handshake to the timer's 10 to 16 ms.
std::uint32_t WholeMillisecondsBetween(long long start, long long end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<std::uint32_t>((end - start) * 1000 / frequency.QuadPart);
}

PortOutcome OutcomeOfError(int error)
{
    if (error == 0)
        return PortOutcome::Accepted;
    return error == WSAECONNREFUSED ? PortOutcome::Refused : PortOutcome::NoAnswer;
}

// Windows takes a refused connection for a lost one and sends it again
// before it says so, on today's systems for longer than the wait. Sending
// the first SYN alone makes the refusal end the connection at once, and
// gives the host one attempt. Systems before Windows 8 refuse the option
// and keep retrying.
void SendOneSynOnly(SOCKET handle)
{
    TCP_INITIAL_RTO_PARAMETERS oneSyn{TCP_INITIAL_RTO_UNSPECIFIED_RTT,
                                      TCP_INITIAL_RTO_NO_SYN_RETRANSMISSIONS};
    DWORD returned = 0;
    WSAIoctl(handle, SIO_TCP_INITIAL_RTO, &oneSyn, sizeof oneSyn, nullptr, 0, &returned, nullptr, nullptr);
}

bool SetNonBlocking(SOCKET handle)
{
    u_long nonBlocking = 1;
    return ioctlsocket(handle, FIONBIO, &nonBlocking) == 0;
}

// Waits for the connection under way to be taken or to fail. Windows
// reports a failure as an exception.
PortConnection AwaitConnection(SOCKET handle, long long start, std::int32_t timeoutMs)
{
    fd_set writable;
    fd_set failed;
    FD_ZERO(&writable);
    FD_SET(handle, &writable);
    FD_ZERO(&failed);
    FD_SET(handle, &failed);
    timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    const int ready = select(0, nullptr, &writable, &failed, &timeout);
    const long long end = Counter();
    if (ready <= 0)
        return {};
    int error = 0;
    int size = sizeof error;
    if (getsockopt(handle, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0)
        return {};
    if (error == 0 && !FD_ISSET(handle, &writable))
        return {};
    const PortOutcome outcome = OutcomeOfError(error);
    return {outcome, outcome == PortOutcome::Accepted ? WholeMillisecondsBetween(start, end) : 0};
}

} // namespace

PortConnection Win32Network::ConnectToPort(IPv4Address destination, std::uint16_t port,
                                           std::int32_t timeoutMs)
{
    Socket connection;
    if (!connection.IsOpen() || !SetNonBlocking(connection.Handle()))
        return {};
    SendOneSynOnly(connection.Handle());
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = destination;
    const long long start = Counter();
    if (connect(connection.Handle(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return {PortOutcome::Accepted, WholeMillisecondsBetween(start, Counter())};
    const int error = WSAGetLastError();
    if (error != WSAEWOULDBLOCK)
        return {OutcomeOfError(error), 0};
    return AwaitConnection(connection.Handle(), start, timeoutMs);
}
