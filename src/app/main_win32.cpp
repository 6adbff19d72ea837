#include <windows.h>

#include "app/manager_app_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    try {
        CManagerApp app;
        app.InitInstance();
    } catch (...) {
        return 1;
    }
    return 0;
}
