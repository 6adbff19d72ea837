#include <windows.h>

#include <winsock2.h>

#include <ws2tcpip.h>

#include <cstring>

#include "platform/network_win32.h"
#include "platform/winsock_version_win32.h"

namespace {

// Each look-up starts the socket layer for itself and cleans it up after,
// nested within the start-up that the program made for the whole process.
template <typename LookUp> HostLookup WithSocketsStarted(LookUp lookUp)
{
    WSADATA data;
    const int startError = WSAStartup(WINSOCK_1_1, &data);
    if (startError != 0)
        return {HostLookupStatus::StartFailed, 0, startError};
    const HostLookup lookup = lookUp();
    WSACleanup();
    return lookup;
}

} // namespace

std::optional<IPv4Address> Win32Network::DottedAddress(const char* text)
{
    // INADDR_NONE is both the refusal and "255.255.255.255".
    const IPv4Address address = inet_addr(text);
    if (address == INADDR_NONE)
        return std::nullopt;
    return address;
}

HostLookup Win32Network::LookUpHost(const char* name)
{
    return WithSocketsStarted([name] {
        // The result lives in this thread's own buffer until its next look-up.
        const hostent* host = gethostbyname(name);
        if (host == nullptr || host->h_length != sizeof(IPv4Address) || host->h_addr_list[0] == nullptr)
            return HostLookup{HostLookupStatus::NameFailed, 0, WSAGetLastError()};
        HostLookup lookup;
        std::memcpy(&lookup.address, host->h_addr_list[0], sizeof lookup.address);
        return lookup;
    });
}

HostLookup Win32Network::LookUpHostUtf16(const char16_t* name)
{
    return WithSocketsStarted([name] {
        ADDRINFOW wanted{};
        wanted.ai_family = AF_INET;
        ADDRINFOW* found = nullptr;
        // The system's UTF-16 is char16_t's: one code unit each.
        const int error = GetAddrInfoW(reinterpret_cast<const wchar_t*>(name), nullptr, &wanted, &found);
        if (error != 0 || found == nullptr)
            return HostLookup{HostLookupStatus::NameFailed, 0, error};
        HostLookup lookup;
        lookup.address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
        FreeAddrInfoW(found);
        return lookup;
    });
}
