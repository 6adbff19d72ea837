#include <windows.h>

#include <winsock.h>

#include <cstring>

#include "platform/network_win32.h"
#include "platform/winsock_version_win32.h"

std::optional<IPv4Address> Win32Network::DottedAddress(const char* text)
{
    // INADDR_NONE is both the refusal and "255.255.255.255".
    const IPv4Address address = inet_addr(text);
    if (address == INADDR_NONE)
        return std::nullopt;
    return address;
}

// Each look-up starts the socket layer for itself and cleans it up after,
// nested within the start-up that the program made for the whole process.
HostLookup Win32Network::LookUpHost(const char* name)
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
