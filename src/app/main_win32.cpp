#include <windows.h>

#include "app/manager_app_win32.h"
#include "platform/system_library_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    RestrictDllSearchToSystem();
    try {
        CManagerApp app;
        app.InitInstance();
    } catch (...) {
        return 1;
    }
    return 0;
}
