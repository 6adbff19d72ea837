#include "platform/network_win32.h"

#include <windows.h>

#include <ipexport.h>

#include <cstring>
#include <type_traits>

#include "platform/system_library_win32.h"

namespace {

using IcmpCreateFileFn = HANDLE(WINAPI*)();
using IcmpCloseHandleFn = BOOL(WINAPI*)(HANDLE);
using IcmpSendEchoFn = DWORD(WINAPI*)(HANDLE, IPAddr, LPVOID, WORD, PIP_OPTION_INFORMATION, LPVOID, DWORD,
                                      DWORD);

constexpr WORD REQUEST_SIZE = 16;
constexpr DWORD REPLY_SIZE = 4120;
constexpr UCHAR ECHO_TTL = 255;

struct LibraryRelease {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryRelease>;

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

} // namespace

std::unique_ptr<EchoSession> Win32Network::OpenSession()
{
    // The ICMP helper of old, and where Windows no longer has it, the IP
    // helper, which has exported the same functions since Windows XP.
    Library library(LoadFirstSystemLibrary({"ICMP.DLL", "IPHLPAPI.DLL"}));
    if (!library)
        return nullptr;
    auto createFile = LibraryFunction<IcmpCreateFileFn>(library.get(), "IcmpCreateFile");
    auto closeHandle = LibraryFunction<IcmpCloseHandleFn>(library.get(), "IcmpCloseHandle");
    auto sendEcho = LibraryFunction<IcmpSendEchoFn>(library.get(), "IcmpSendEcho");
    if (createFile == nullptr || closeHandle == nullptr || sendEcho == nullptr)
        return nullptr;
    auto session = std::make_unique<IcmpSession>(std::move(library), closeHandle, sendEcho);
    if (!session->Open(createFile))
        return nullptr;
    return session;
}
