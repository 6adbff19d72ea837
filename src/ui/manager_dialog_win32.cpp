#include "ui/manager_dialog_win32.h"

#include "res/maintainer.h"
#include "ui/about_dialog_win32.h"
#include "ui/add_server_dialog_win32.h"
#include "ui/link_opener_win32.h"
#include "ui/minimised_icon.h"
#include "win/message_box.h"

CManagerDlg::CManagerDlg(OperatingSystem& system, Network& network)
    : win::Dialog(IDD_MAIN),
      m_commands(CommandSeams{m_serverView, *this, system.registry, system.files, system.shell, m_clock,
                              network, system.threads, system.timeZone, m_work, system.codePage,
                              system.clipboard}),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN))),
      m_homePageLink(LinkOpener(system.shell, system.associations, *this)),
      m_mailLink(LinkOpener(system.shell, system.associations, *this))
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

std::optional<ServerEntry> CManagerDlg::PromptAddServer(const NewServerCheck& check)
{
    return RunAddServerDialog(Handle(), check);
}

void CManagerDlg::EnableButton(int controlId, bool enabled)
{
    Item(controlId).Enable(enabled);
}

bool CManagerDlg::IsDeleteCacheChecked()
{
    return Item(IDC_DELETE_BNCACHE).IsChecked();
}

BOOL CManagerDlg::OnInitDialog()
{
    m_homePageLink.Attach(Item(IDC_HOMEPAGE_LINK));
    m_mailLink.Attach(Item(IDC_MAIL_LINK));
    AddAboutItemToSystemMenu();
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_work.Attach(Handle());
    m_serverView.Attach(Item(IDC_SERVER_LIST));
    m_serverView.SetUpColumns();
    m_commands.InitServerView();
    m_keys.Attach(Handle());
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
    return notifyCode == BN_CLICKED && m_commands.OnCommand(id);
}

bool CManagerDlg::IsBusy() const
{
    return m_commands.IsBusy();
}

// A click on a column header neither sorts nor changes anything.
bool CManagerDlg::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.hwndFrom != Item(IDC_SERVER_LIST) || header.code != LVN_COLUMNCLICK)
        return false;
    result = 0;
    return true;
}

bool CManagerDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    switch (message) {
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam));
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(m_hIcon);
        return true;
    case WM_SETCURSOR:
        result = TRUE;
        return m_work.KeepWaitCursor();
    case WM_HELP:
        OnHelp();
        result = TRUE;
        return true;
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

// F1, wherever the focus is in the window, opens the About box as its
// system menu item does. A box that the window owns passes its own F1 on
// to the window, which is disabled while the box is up.
void CManagerDlg::OnHelp()
{
    if (IsWindowEnabled(Handle()))
        SendMessageA(Handle(), WM_SYSCOMMAND, IDM_ABOUT, 0);
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
