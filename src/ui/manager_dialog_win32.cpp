#include "ui/manager_dialog_win32.h"

#include "app/about_dialog_win32.h"
#include "app/maintainer.h"
#include "ui/add_server_dialog_win32.h"
#include "ui/minimised_icon.h"
#include "win/message_box.h"

namespace {

using Command = void (ManagerCommands::*)();

struct CommandBinding {
    int controlId;
    Command command;
};

constexpr CommandBinding COMMANDS[] = {
    {IDC_PING, &ManagerCommands::OnPing},
    {IDC_STARCRAFT, &ManagerCommands::OnStarCraft},
    {IDC_BLIZZARD_SERVERS, &ManagerCommands::OnBlizzardServers},
    {IDC_PRIVATE_SERVERS, &ManagerCommands::OnPrivateServers},
    {IDC_ADD_SERVER, &ManagerCommands::OnAddServer},
    {IDC_DELETE_SERVER, &ManagerCommands::OnDeleteServer},
    {IDC_DIABLO, &ManagerCommands::OnDiablo},
    {IDC_WARCRAFT2, &ManagerCommands::OnWarcraft2},
};

} // namespace

CManagerDlg::CManagerDlg(EchoService& echo)
    : win::Dialog(IDD_MAIN),
      m_commands(Platform{m_serverView, *this, m_registry, m_files, m_shell, m_clock, echo, m_timeZone}),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN))),
      m_homePageLink(m_shell, m_associations, *this), m_mailLink(m_shell, m_associations, *this)
{
}

CManagerDlg::~CManagerDlg() = default;

void CManagerDlg::ShowMessage(const std::string& text)
{
    win::ShowMessageBox(Handle(), text, MB_OK);
}

void CManagerDlg::ShowWarning(const std::string& text)
{
    win::ShowMessageBox(Handle(), text, MB_OK | MB_ICONEXCLAMATION);
}

std::optional<NewServer> CManagerDlg::PromptAddServer(const NewServerCheck& check)
{
    return RunAddServerDialog(Handle(), check);
}

void CManagerDlg::EnableButton(int controlId, bool enabled)
{
    EnableWindow(Item(controlId), enabled);
}

bool CManagerDlg::IsDeleteCacheChecked()
{
    return IsDlgButtonChecked(Handle(), IDC_DELETE_BNCACHE) == BST_CHECKED;
}

BOOL CManagerDlg::OnInitDialog()
{
    m_homePageLink.Attach(Item(IDC_HOMEPAGE_LINK));
    m_mailLink.Attach(Item(IDC_MAIL_LINK));
    AddAboutItemToSystemMenu();
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_serverView.Attach(Item(IDC_SERVER_LIST));
    m_serverView.SetUpColumns();
    m_commands.InitServerView();
    // The label keeps showing the bare address; the mail opens with a subject.
    m_mailLink.SetTarget(std::string("mailto:") + MAINTAINER_EMAIL + "?subject=VELNOR: ");
    return TRUE;
}

void CManagerDlg::AddAboutItemToSystemMenu()
{
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    char text[256] = "";
    if (!systemMenu || LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUT_MENU, text, sizeof text) <= 0)
        return;
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, text);
}

bool CManagerDlg::OnCommand(int id, int notifyCode, HWND)
{
    // Enter and Esc must not close the window: only the close box does.
    if (id == IDOK || id == IDCANCEL)
        return true;
    if (notifyCode != BN_CLICKED)
        return false;
    for (const CommandBinding& binding : COMMANDS) {
        if (binding.controlId == id) {
            (m_commands.*binding.command)();
            return true;
        }
    }
    return false;
}

bool CManagerDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam));
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(m_hIcon);
        return true;
    case WM_NOTIFY: {
        // A click on a column header neither sorts nor changes anything.
        const NMHDR* header = NotifyHeader(lParam);
        if (header && header->hwndFrom == Item(IDC_SERVER_LIST) && header->code == LVN_COLUMNCLICK) {
            result = 0;
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

bool CManagerDlg::OnSysCommand(UINT id)
{
    if (id == SC_CLOSE)
        EndDialog(IDCANCEL);
    if ((id & 0xFFF0) == IDM_ABOUT) {
        CAboutDlg about;
        about.DoModal(Handle());
        return true;
    }
    return false;
}

bool CManagerDlg::OnPaint()
{
    if (!IsIconic(Handle()))
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(Handle(), &client);
    IconOrigin origin = CentredIconOrigin(client.right - client.left, client.bottom - client.top,
                                          GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    DrawIcon(dc, origin.x, origin.y, m_hIcon);
    EndPaint(Handle(), &paint);
    return true;
}
