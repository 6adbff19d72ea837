#include "platform/echo_service_win32.h"

#include <windows.h>

#include <ipexport.h>
#include <winsock.h>

#include <cstring>
#include <new>
#include <type_traits>

#include "platform/system_library_win32.h"
#include "platform/winsock_version_win32.h"

namespace {

using IcmpCreateFileFn = HANDLE(WINAPI*)();
using IcmpCloseHandleFn = BOOL(WINAPI*)(HANDLE);
using IcmpSendEchoFn = DWORD(WINAPI*)(HANDLE, IPAddr, LPVOID, WORD, PIP_OPTION_INFORMATION, LPVOID, DWORD,
                                      DWORD);

constexpr WORD REQUEST_SIZE = 16;
constexpr DWORD REPLY_SIZE = 4120;
constexpr UCHAR ECHO_TTL = 255;
// A probe needs little beyond its 4 KiB echo reply buffer and the system's
// resolver and socket calls beneath it. The program's default of 2 MiB per
// thread would take 200 MiB of a 32-bit address space for a full list.
constexpr SIZE_T PROBE_STACK_RESERVATION = 256 * 1024;

struct LibraryRelease {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryRelease>;

template <typename Function> Function Lookup(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// One ICMP handle. Members are destroyed in reverse order, so the library
// is released only after the handle has been closed.
class IcmpSession : public EchoSession {
  public:
    IcmpSession(Library library, IcmpCloseHandleFn closeHandle, IcmpSendEchoFn sendEcho)
        : m_library(std::move(library)), m_closeHandle(closeHandle), m_sendEcho(sendEcho)
    {
    }
    IcmpSession(const IcmpSession&) = delete;
    IcmpSession& operator=(const IcmpSession&) = delete;
    ~IcmpSession() override
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            m_closeHandle(m_handle);
    }

    bool Open(IcmpCreateFileFn createFile)
    {
        m_handle = createFile();
        return m_handle != INVALID_HANDLE_VALUE;
    }

    EchoReply SendEcho(IPv4Address destination, std::int32_t timeoutMs) override
    {
        char request[REQUEST_SIZE] = "Velnor ping";
        IP_OPTION_INFORMATION options{};
        options.Ttl = ECHO_TTL;
        alignas(ICMP_ECHO_REPLY) unsigned char replies[REPLY_SIZE];
        DWORD count = m_sendEcho(m_handle, destination, request, REQUEST_SIZE, &options, replies, REPLY_SIZE,
                                 static_cast<DWORD>(timeoutMs));
        if (count == 0) {
            // The buffer may hold nothing of this attempt: report its failure.
            DWORD error = GetLastError();
            return {error != 0 ? error : IP_GENERAL_FAILURE, 0};
        }
        ICMP_ECHO_REPLY first;
        std::memcpy(&first, replies, sizeof first);
        return {first.Status, first.RoundTripTime};
    }

  private:
    Library m_library;
    IcmpCloseHandleFn m_closeHandle;
    IcmpSendEchoFn m_sendEcho;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

struct ThreadStart {
    ThreadProc proc;
    void* parameter;
};

DWORD WINAPI ThreadEntry(LPVOID parameter)
{
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
    try {
        return start->proc(start->parameter);
    } catch (...) {
        return static_cast<DWORD>(-1);
    }
}

} // namespace

std::unique_ptr<EchoSession> Win32EchoService::OpenSession()
{
    Library library(LoadSystemLibrary("ICMP.DLL"));
    if (!library)
        return nullptr;
    auto createFile = Lookup<IcmpCreateFileFn>(library.get(), "IcmpCreateFile");
    auto closeHandle = Lookup<IcmpCloseHandleFn>(library.get(), "IcmpCloseHandle");
    auto sendEcho = Lookup<IcmpSendEchoFn>(library.get(), "IcmpSendEcho");
    if (createFile == nullptr || closeHandle == nullptr || sendEcho == nullptr)
        return nullptr;
    auto session = std::make_unique<IcmpSession>(std::move(library), closeHandle, sendEcho);
    if (!session->Open(createFile))
        return nullptr;
    return session;
}

std::optional<IPv4Address> Win32EchoService::DottedAddress(const char* text)
{
    // INADDR_NONE is both the refusal and "255.255.255.255".
    const IPv4Address address = inet_addr(text);
    if (address == INADDR_NONE)
        return std::nullopt;
    return address;
}

// Each look-up starts the socket layer for itself and cleans it up after,
// nested within the start-up that the program made for the whole process.
HostLookup Win32EchoService::LookUpHost(const char* name)
{
    WSADATA data;
    const int startError = WSAStartup(WINSOCK_1_1, &data);
    if (startError != 0)
        return {HostLookupStatus::StartFailed, 0, startError};
    // The result lives in this thread's own buffer until its next look-up.
    const hostent* host = gethostbyname(name);
    HostLookup lookup;
    if (host == nullptr || host->h_length != sizeof(IPv4Address) || host->h_addr_list[0] == nullptr)
        lookup = {HostLookupStatus::NameFailed, 0, WSAGetLastError()};
    else
        std::memcpy(&lookup.address, host->h_addr_list[0], sizeof lookup.address);
    WSACleanup();
    return lookup;
}

bool Win32EchoService::StartThread(ThreadProc proc, void* parameter)
{
    std::unique_ptr<ThreadStart> start(new (std::nothrow) ThreadStart{proc, parameter});
    if (!start)
        return false;
    HANDLE thread = CreateThread(nullptr, PROBE_STACK_RESERVATION, ThreadEntry, start.get(),
                                 STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (thread == nullptr)
        return false;
    start.release();
    // Nobody waits for the thread: it ends by itself.
    CloseHandle(thread);
    return true;
}
