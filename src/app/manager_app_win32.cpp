#include "app/manager_app_win32.h"

#include <winsock.h>

#include <commctrl.h>

#include "platform/network_win32.h"
#include "platform/operating_system_win32.h"
#include "platform/winsock_version_win32.h"
#include "res/resource.h"
#include "ui/manager_dialog_win32.h"
#include "win/message_box.h"

namespace {

void ShowSocketsFailure()
{
    char text[256] = "";
    LoadStringA(GetModuleHandleA(nullptr), IDS_SOCKETS_INIT_FAILED, text, sizeof text);
    win::ShowMessageBox(nullptr, text, MB_OK);
}

} // namespace

CManagerApp::~CManagerApp()
{
    if (m_socketsStarted)
        WSACleanup();
}

bool CManagerApp::InitInstance()
{
    WSADATA data;
    if (WSAStartup(WINSOCK_1_1, &data) != 0) {
        ShowSocketsFailure();
        return false;
    }
    m_socketsStarted = true;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    // Every concrete part is made here and lent to the window.
    OperatingSystem system;
    Win32Network network;
    CManagerDlg dialog(system, network);
    dialog.DoModal();
    return false;
}
