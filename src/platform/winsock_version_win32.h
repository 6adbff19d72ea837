#pragma once

#include <windows.h>

// The Windows Sockets version that Velnor asks for wherever it starts the
// sockets: 1.1 offers all that it uses.
constexpr WORD WINSOCK_1_1 = MAKEWORD(1, 1);
