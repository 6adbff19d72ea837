#pragma once

#include <windows.h>

#include "win/window.h"

namespace win {

// Messages that a dialog sends back to the child control that caused them,
// so that a control with behaviour of its own handles its own notifications.
constexpr UINT REFLECT_BASE = WM_APP + 0x1C00;
constexpr UINT REFLECTED_COMMAND = REFLECT_BASE + WM_COMMAND;
constexpr UINT REFLECTED_CTLCOLORSTATIC = REFLECT_BASE + WM_CTLCOLORSTATIC;

// A dialog made from a template, run modally or modelessly. One dialog
// procedure dispatches to virtual handlers and applies the dialog return
// rules; no exception ever leaves it. It is its window from WM_INITDIALOG
// until WM_NCDESTROY.
class Dialog : public Window {
  public:
    explicit Dialog(int templateId) : m_templateId(templateId) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the dialog modelessly; the caller runs the messages.
    HWND Create(HWND owner = nullptr);

    Window Item(int id) const { return Window(GetDlgItem(Handle(), id)); }

  protected:
    // Return FALSE when the handler set the focus itself.
    virtual BOOL OnInitDialog() { return TRUE; }
    // A command from a control, menu or accelerator; true when handled.
    // Unhandled IDOK and IDCANCEL end the dialog with that result.
    virtual bool OnCommand(int id, int notifyCode, HWND control);
    // A control's WM_NOTIFY whose header could be read; true when handled,
    // with the notification's result. Only the header is known readable.
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    // Any other message; true when handled, with the message's result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // True while a command runs that no other may interrupt. Whatever
    // would start one is then dropped: every WM_COMMAND (so nothing is
    // reflected to a control either), WM_HELP and every WM_SYSCOMMAND but
    // the close command, which the dialog still carries out.
    virtual bool IsBusy() const { return false; }

    void EndDialog(INT_PTR result);

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The header of a WM_NOTIFY, or nullptr when lParam points at nothing
    // readable: other programs can post the message with any parameters.
    static const NMHDR* NotifyHeader(LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    int m_templateId;
    bool m_modal = false;
};

} // namespace win
