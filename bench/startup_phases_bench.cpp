// Velnor's start-up split into its phases: this process takes the steps
// that velnor.exe takes from its start to its painted main window, in the
// same order and with the program's own classes, and prints one line with
// the milliseconds of each phase. Each phase's cost is a first-time cost
// (libraries, classes, fonts), so every run is a fresh process:
// bench/run-program-bench.sh runs it repeatedly and prints the medians.
//
// Usage: velnor_startup_phases_bench

#include <windows.h>

#include <winsock.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "controls/link_label_win32.h"
#include "lists/public_list.h"
#include "lists/server_list.h"
#include "platform/code_page_win32.h"
#include "platform/file_associations_win32.h"
#include "platform/registry_win32.h"
#include "platform/shell_win32.h"
#include "platform/winsock_version_win32.h"
#include "res/maintainer.h"
#include "res/resource.h"
#include "ui/link_opener_win32.h"
#include "ui/server_view.h"
#include "ui/server_view_win32.h"
#include "ui/user.h"

namespace {

double NowMs()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return static_cast<double>(static_cast<ULONGLONG>(now.dwHighDateTime) << 32 | now.dwLowDateTime) /
           10000.0;
}

double ProcessCreatedMs()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return static_cast<double>(static_cast<ULONGLONG>(created.dwHighDateTime) << 32 | created.dwLowDateTime) /
           10000.0;
}

// The labels' failures would be told to nobody here.
class NoUser : public User {
  public:
    void ShowMessage(const std::string&) override {}
    void ShowWarning(const std::string&) override {}
    std::optional<ServerEntry> PromptAddServer(const NewServerCheck&) override { return std::nullopt; }
    void EnableButton(int, bool) override {}
    bool IsDeleteCacheChecked() override { return false; }
};

INT_PTR CALLBACK TemplateOnly(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

struct Phases {
    std::vector<std::pair<const char*, double>> times;
    double last = NowMs();

    void End(const char* phase)
    {
        const double now = NowMs();
        times.emplace_back(phase, now - last);
        last = now;
    }
};

} // namespace

int main()
{
    Phases phases;
    phases.times.emplace_back("load", phases.last - ProcessCreatedMs());
    WSADATA data;
    WSAStartup(WINSOCK_1_1, &data);
    phases.End("sockets");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    phases.End("controls");

    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, TemplateOnly, 0);
    phases.End("template");
    Win32Shell shell;
    Win32FileAssociations associations;
    NoUser user;
    CLinkLabel homePage(LinkOpener(shell, associations, user)), mail(LinkOpener(shell, associations, user));
    homePage.Attach(GetDlgItem(dialog, IDC_HOMEPAGE_LINK));
    mail.Attach(GetDlgItem(dialog, IDC_MAIL_LINK));
    phases.End("labels");
    HMENU systemMenu = GetSystemMenu(dialog, FALSE);
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, "&About Velnor...");
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN));
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    phases.End("menu+icon");
    Win32ServerView view;
    view.Attach(GetDlgItem(dialog, IDC_SERVER_LIST));
    view.SetUpColumns();
    phases.End("columns");
    Win32Registry registry;
    Win32CodePage codePage;
    CServerList list;
    LoadPublicList(registry, codePage, list);
    ServerViewOrder order;
    FillServerView(list, order, view);
    phases.End("list");
    mail.SetTarget(std::string("mailto:") + MAINTAINER_EMAIL + "?subject=VELNOR: ");
    phases.End("target");
    UpdateWindow(dialog);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    phases.End("painted");

    double total = 0;
    for (const auto& [phase, ms] : phases.times) {
        std::printf("%s %.1f ", phase, ms);
        total += ms;
    }
    std::printf("total %.1f\n", total);
    DestroyWindow(dialog);
    WSACleanup();
    return 0;
}
