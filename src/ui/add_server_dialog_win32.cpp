#include "ui/add_server_dialog_win32.h"

#include <utility>

#include "res/resource.h"
#include "win/message_box.h"

CAddServerDlg::CAddServerDlg(NewServerCheck check) : win::Dialog(IDD_ADD_SERVER), m_check(std::move(check)) {}

CAddServerDlg::~CAddServerDlg() = default;

BOOL CAddServerDlg::OnInitDialog()
{
    SetFocus(Item(IDC_NEW_SERVER_NAME));
    return FALSE;
}

bool CAddServerDlg::OnCommand(int id, int notifyCode, HWND control)
{
    if (id != IDOK)
        return win::Dialog::OnCommand(id, notifyCode, control);
    DoDataExchange();
    // The 8-bit text has "?" for what the code page cannot hold: the check
    // compares it with what was typed.
    ServerEntry typed{m_serverName, m_description};
    typed.descriptionUtf16 = Item(IDC_NEW_SERVER_DESCRIPTION).GetUtf16Text();
    const Answer answer = m_check(typed);
    if (answer.Refused()) {
        win::ShowMessageBox(Handle(), answer.refusal, MB_OK | MB_ICONEXCLAMATION);
        return true;
    }
    m_serverName = typed.serverName;
    m_description = typed.description;
    EndDialog(IDOK);
    return true;
}

void CAddServerDlg::DoDataExchange()
{
    m_description = Item(IDC_NEW_SERVER_DESCRIPTION).GetText();
    m_serverName = Item(IDC_NEW_SERVER_NAME).GetText();
}

std::optional<ServerEntry> RunAddServerDialog(HWND owner, const NewServerCheck& check)
{
    CAddServerDlg dialog(check);
    if (dialog.DoModal(owner) != IDOK)
        return std::nullopt;
    return ServerEntry{dialog.m_serverName, dialog.m_description};
}
