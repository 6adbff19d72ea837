#pragma once

#include "controls/link_label_win32.h"
#include "lists/server_list.h"
#include "platform/network.h"
#include "platform/operating_system_win32.h"
#include "res/resource.h"
#include "ui/command_key_hook_win32.h"
#include "ui/manager_commands.h"
#include "ui/server_view_win32.h"
#include "ui/user.h"
#include "ui/window_pumping_clock.h"
#include "ui/window_queue_win32.h"
#include "ui/work_indicator_win32.h"
#include "win/dialog.h"

// The main window. It receives the messages and hands every command to
// ManagerCommands; as the commands' User it shows boxes and reads controls.
class CManagerDlg : public win::Dialog, public User {
  public:
    // The system and the network are the application's, and outlive the
    // window.
    CManagerDlg(OperatingSystem& system, Network& network);
    ~CManagerDlg() override;

    void ShowMessage(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    std::optional<ServerEntry> PromptAddServer(const NewServerCheck& check) override;
    void EnableButton(int controlId, bool enabled) override;
    bool IsDeleteCacheChecked() override;

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool IsBusy() const override;

  private:
    void AddAboutItemToSystemMenu();
    bool OnSysCommand(UINT id);
    bool OnPaint();
    void OnHelp();

    // The window's own ports.
    Win32ServerView m_serverView;
    Win32WorkIndicator m_work;
    Win32WindowQueue m_queue;
    WindowPumpingClock m_clock{m_queue};
    ManagerCommands m_commands;
    CommandKeyHook m_keys;
    HICON m_hIcon;
    CLinkLabel m_homePageLink;
    CLinkLabel m_mailLink;
};
