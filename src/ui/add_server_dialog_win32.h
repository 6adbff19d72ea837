#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ui/user.h"
#include "win/dialog.h"

// Asks for a new private server's name and description. OK takes the texts
// as the check leaves them, only when it has nothing against them;
// otherwise the user reads why and the dialog stays open with what was
// typed.
class CAddServerDlg : public win::Dialog {
  public:
    explicit CAddServerDlg(NewServerCheck check);
    ~CAddServerDlg() override;

    std::string m_description;
    std::string m_serverName;

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    void DoDataExchange();

    NewServerCheck m_check;
};

// Runs the dialog modally over the owner; empty when the user cancels.
std::optional<ServerEntry> RunAddServerDialog(HWND owner, const NewServerCheck& check);
