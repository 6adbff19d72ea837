// The smallest dialog program of Velnor's build: one modal dialog from a
// template, ended by OK or its close box. The program benchmark measures
// Velnor's start-up and memory against it.
#include <windows.h>

namespace {

constexpr int IDD_MINIMAL = 100;

INT_PTR CALLBACK MinimalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MINIMAL), nullptr, MinimalDialogProc, 0));
}
