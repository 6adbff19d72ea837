#include "win/dialog.h"

namespace win {

namespace {

bool IsColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The messages whose result a dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    return IsColorMessage(message) || message == WM_QUERYDRAGICON || message == WM_COMPAREITEM ||
           message == WM_VKEYTOITEM || message == WM_CHARTOITEM;
}

bool StartsACommand(UINT message, WPARAM wParam)
{
    if (message == WM_SYSCOMMAND)
        return (wParam & 0xFFF0) != SC_CLOSE;
    return message == WM_COMMAND || message == WM_HELP;
}

bool IsReadable(const void* address, SIZE_T size)
{
    MEMORY_BASIC_INFORMATION region{};
    if (!address || VirtualQuery(address, &region, sizeof region) == 0 || region.State != MEM_COMMIT)
        return false;
    const DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                           PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    if ((region.Protect & readable) == 0 || (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0)
        return false;
    const auto end = reinterpret_cast<UINT_PTR>(region.BaseAddress) + region.RegionSize;
    return reinterpret_cast<UINT_PTR>(address) + size <= end;
}

} // namespace

const NMHDR* Dialog::NotifyHeader(LPARAM lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    return IsReadable(header, sizeof *header) ? header : nullptr;
}

Dialog::~Dialog()
{
    if (Handle() && !m_modal)
        DestroyWindow(Handle());
}

INT_PTR Dialog::DoModal(HWND owner)
{
    m_modal = true;
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::Create(HWND owner)
{
    m_modal = false;
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), owner, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

bool Dialog::OnCommand(int id, int, HWND)
{
    if (id != IDOK && id != IDCANCEL)
        return false;
    EndDialog(id);
    return true;
}

bool Dialog::OnNotify(const NMHDR&, LRESULT&)
{
    return false;
}

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

void Dialog::EndDialog(INT_PTR result)
{
    if (m_modal)
        ::EndDialog(Handle(), result);
    else
        DestroyWindow(Handle());
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        // Only the dialog's creation passes the object; a repeat that another
        // program posts carries anything and is ignored.
        if (GetWindowLongPtrA(hwnd, DWLP_USER) != 0)
            return FALSE;
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        dialog->Attach(hwnd);
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!dialog)
        return FALSE;
    try {
        INT_PTR handled = dialog->Dispatch(message, wParam, lParam);
        if (message == WM_NCDESTROY)
            dialog->Attach(nullptr);
        return handled;
    } catch (...) {
        // An exception cannot cross user32's frames; the message counts as
        // unhandled and the dialog goes on.
        return FALSE;
    }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    if (StartsACommand(message, wParam) && IsBusy()) {
        SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, 0);
        return TRUE;
    }
    if (ReflectToChild(message, wParam, lParam, result) || Route(message, wParam, lParam, result)) {
        if (ReturnsResultDirectly(message))
            return static_cast<INT_PTR>(result);
        SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, result);
        return TRUE;
    }
    if (message == WM_COMMAND && OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
        SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, 0);
        return TRUE;
    }
    return FALSE;
}

// Hands a message to its handler; a notification whose header cannot be
// read reaches none.
bool Dialog::Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_NOTIFY)
        return OnMessage(message, wParam, lParam, result);
    const NMHDR* header = NotifyHeader(lParam);
    return header && OnNotify(*header, result);
}

// Offers a child's notification and colour query back to the child; a child
// that takes it answers non-zero (handled, or its brush).
bool Dialog::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND child = reinterpret_cast<HWND>(lParam);
    if (!child || (message != WM_COMMAND && !IsColorMessage(message)))
        return false;
    // A posted message may name any window, even a hung one of another
    // program that the send below would wait on for good.
    if (!IsChild(Handle(), child))
        return false;
    result = SendMessageA(child, REFLECT_BASE + message, wParam, lParam);
    return result != 0;
}

} // namespace win
