#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <thread>
#include <vector>

#include "lists/server_list.h"
#include "no_network.h"
#include "res/resource.h"
#include "scripted_user.h"
#include "test_registry.h"
#include "ui/manager_dialog_win32.h"
#include "ui/server_view_win32.h"
#include "win/dialog.h"
#include "win/list_view.h"
#include "window_queries.h"

namespace {

struct TemplateControl {
    int id;
    const char* className;
    const char* caption; // nullptr: not compared
    LONG style;
    RECT dialogUnits; // left, top, width, height
};

const std::vector<TemplateControl>& MainControls()
{
    static const std::vector<TemplateControl> controls = {
        // The dialog manager turns the list's WS_BORDER into its client edge,
        // which is checked on its own.
        {IDC_SERVER_LIST,
         "SysListView32",
         "",
         LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
         {8, 24, 250, 108}},
        {IDC_PING, "Button", "Ping", BS_PUSHBUTTON | WS_TABSTOP, {8, 136, 35, 15}},
        {IDC_STARCRAFT, "Button", "StarCraft", BS_PUSHBUTTON | WS_TABSTOP, {48, 136, 35, 15}},
        {IDC_BLIZZARD_SERVERS, "Button", "Blizzard Servers", BS_PUSHBUTTON | WS_TABSTOP, {8, 4, 55, 15}},
        {IDC_PRIVATE_SERVERS, "Button", "Private Servers", BS_PUSHBUTTON | WS_TABSTOP, {68, 4, 55, 15}},
        {IDC_DIABLO, "Button", "Diablo", BS_PUSHBUTTON | WS_TABSTOP, {88, 136, 35, 15}},
        {IDC_HOMEPAGE_LINK, "Static", VELNOR_HOMEPAGE_URL, SS_NOTIFY | WS_GROUP, {8, 160, 120, 10}},
        {IDC_MAIL_LINK,
         "Static",
         "mailto:" VELNOR_MAINTAINER_EMAIL,
         SS_NOTIFY | WS_GROUP,
         {164, 160, 100, 10}},
        {IDC_ADD_SERVER, "Button", "Add Server", BS_PUSHBUTTON | WS_TABSTOP, {140, 4, 55, 15}},
        {IDC_DELETE_SERVER, "Button", "Delete Server", BS_PUSHBUTTON | WS_TABSTOP, {200, 4, 55, 15}},
        {IDC_DELETE_BNCACHE,
         "Button",
         "Delete BNCACHE.DAT",
         BS_AUTOCHECKBOX | WS_TABSTOP,
         {175, 137, 92, 12}},
        {IDC_WARCRAFT2, "Button", "Warcraft 2", BS_PUSHBUTTON | WS_TABSTOP, {128, 136, 42, 15}},
    };
    return controls;
}

class MainDialog : public ::testing::Test {
  protected:
    void SetUp() override
    {
        SeedServerList("127.0.0.1;127.0.0.2;127.0.0.3");
        ASSERT_NE(dialog.Create(), nullptr);
        hwnd = dialog.Handle();
    }

    HWND Item(int id) const { return GetDlgItem(hwnd, id); }

    OperatingSystem system;
    NoNetwork network;
    CManagerDlg dialog{system, network};
    HWND hwnd = nullptr;
};

TEST_F(MainDialog, WindowHasItsCaptionStylesAndNoSizingOrBoxes)
{
    EXPECT_EQ(WindowText(hwnd), "Velnor");
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(MainDialog, EveryControlHasItsIdClassCaptionStyleAndPlace)
{
    for (const TemplateControl& entry : MainControls()) {
        SCOPED_TRACE(entry.id);
        HWND control = Item(entry.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassName(control), entry.className);
        EXPECT_EQ(WindowText(control), entry.caption);
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & entry.style, entry.style);
        RECT placed = {entry.dialogUnits.left, entry.dialogUnits.top,
                       entry.dialogUnits.left + entry.dialogUnits.right,
                       entry.dialogUnits.top + entry.dialogUnits.bottom};
        MapDialogRect(hwnd, &placed);
        RECT actual = RectInParent(control);
        EXPECT_EQ(actual.left, placed.left);
        EXPECT_EQ(actual.top, placed.top);
        // The link labels fit themselves to their text.
        if (entry.id != IDC_HOMEPAGE_LINK && entry.id != IDC_MAIL_LINK) {
            EXPECT_EQ(actual.right, placed.right);
            EXPECT_EQ(actual.bottom, placed.bottom);
        }
    }
    EXPECT_TRUE(GetWindowLongA(Item(IDC_SERVER_LIST), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(MainDialog, ControlsFollowEachOtherInTabOrder)
{
    std::vector<int> order;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        order.push_back(GetDlgCtrlID(child));
    std::vector<int> expected;
    for (const TemplateControl& entry : MainControls())
        expected.push_back(entry.id);
    EXPECT_EQ(order, expected);
}

// The columns leave room for a vertical scroll bar, so that a full list
// never needs a horizontal one; the time columns fit their titles, and the
// names share the rest.
TEST_F(MainDialog, ServerViewHasFourColumnsAcrossItsWidthAndPaleColours)
{
    HWND list = Item(IDC_SERVER_LIST);
    RECT client;
    GetClientRect(list, &client);
    const char* titles[] = {"Server", "Description", "Ping Time (ms)", "Game Port (ms)"};
    int widths[4] = {};
    for (int column = 0; column < 4; ++column) {
        char title[64] = "";
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        info.pszText = title;
        info.cchTextMax = sizeof title;
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info)));
        EXPECT_STREQ(title, titles[column]);
        EXPECT_EQ(info.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
        widths[column] = info.cx;
    }
    EXPECT_EQ(widths[0] + widths[1] + widths[2] + widths[3], client.right - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_LE(widths[1] - widths[0], 1);
    for (int column : {COLUMN_PING, COLUMN_GAME_PORT}) {
        const auto textWidth =
            SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(titles[column]));
        // The header draws a title three edges in from each side.
        EXPECT_GE(widths[column], textWidth + 6 * GetSystemMetrics(SM_CXEDGE)) << titles[column];
    }
    Win32ServerView view;
    view.Attach(list);
    for (int row = 0; row < MAX_SERVERS; ++row) {
        view.InsertRow(row, "127.0.0." + std::to_string(row + 1));
        view.SetCellText(row, COLUMN_GAME_PORT, "Closed");
    }
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL) << "no horizontal scroll bar";
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
    const DWORD fullRowAndTips = LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP;
    EXPECT_EQ(ListView_GetExtendedListViewStyle(list) & fullRowAndTips, fullRowAndTips);
    EXPECT_EQ(ListView_GetBkColor(list), SERVER_VIEW_BKCOLOR);
    EXPECT_EQ(ListView_GetTextBkColor(list), SERVER_VIEW_BKCOLOR);
}

TEST_F(MainDialog, EditingButtonsStartDisabledAndTheRestEnabled)
{
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_ADD_SERVER)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_DELETE_SERVER)));
    for (int id : {IDC_PING, IDC_STARCRAFT, IDC_DIABLO, IDC_WARCRAFT2, IDC_BLIZZARD_SERVERS,
                   IDC_PRIVATE_SERVERS, IDC_DELETE_BNCACHE})
        EXPECT_TRUE(IsWindowEnabled(Item(id))) << id;
    EXPECT_EQ(IsDlgButtonChecked(hwnd, IDC_DELETE_BNCACHE), BST_UNCHECKED);
}

TEST_F(MainDialog, EnterAndEscLeaveTheWindowOpen)
{
    SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
    SendMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(hwnd));
}

TEST_F(MainDialog, CloseCommandEndsTheWindow)
{
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MainDialog, ColumnHeaderClickChangesNothing)
{
    NMLISTVIEW click{};
    click.hdr.hwndFrom = Item(IDC_SERVER_LIST);
    click.hdr.idFrom = IDC_SERVER_LIST;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iSubItem = COLUMN_PING;
    win::ListView view(Item(IDC_SERVER_LIST));
    std::vector<std::string> before;
    for (int row = 0; row < view.GetItemCount(); ++row)
        before.push_back(view.GetItemText(row, COLUMN_SERVER));
    SendMessageA(hwnd, WM_NOTIFY, IDC_SERVER_LIST, reinterpret_cast<LPARAM>(&click));
    for (int row = 0; row < view.GetItemCount(); ++row)
        EXPECT_EQ(view.GetItemText(row, COLUMN_SERVER), before[row]);
}

void PressPingThenRunTheQueue(HWND dialog)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PING, BN_CLICKED), 0);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// While "Ping" runs, the About box that another thread asks for is dropped
// at once, and a click and a key queued meanwhile when it ends.
TEST_F(MainDialog, NothingThatArrivesDuringAPingStartsACommand)
{
    HWND button = Item(IDC_PRIVATE_SERVERS);
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PostMessageA(button, WM_KEYDOWN, VK_SPACE, 1);
    PostMessageA(button, WM_KEYUP, VK_SPACE, 0xC0000001);
    bool answered = false;
    std::thread sender([&] {
        DWORD_PTR result = 0;
        answered = SendMessageTimeoutA(hwnd, WM_SYSCOMMAND, IDM_ABOUT, 0, SMTO_NORMAL, 5000, &result) != 0;
        // An About box opened meanwhile would hold the ping for good.
        if (HWND about = FindWindowA(nullptr, "About Velnor"))
            PostMessageA(about, WM_COMMAND, IDOK, 0);
    });
    // The sent message can only be taken inside the ping's waits.
    PressPingThenRunTheQueue(hwnd);
    sender.join();
    EXPECT_TRUE(answered) << "the About box did not open";
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_ADD_SERVER))) << "the private list is not shown";
    EXPECT_TRUE(IsWindow(hwnd));
}

// The close box, Alt+F4, and Close on the taskbar button's menu, which
// arrives as a posted command, are carried out after the ping.
TEST_F(MainDialog, ACloseQueuedDuringAPingIsCarriedOutAfterIt)
{
    const MSG closes[] = {{nullptr, WM_NCLBUTTONUP, HTCLOSE, 0, 0, {}},
                          {nullptr, WM_SYSKEYDOWN, VK_F4, KF_ALTDOWN << 16, 0, {}},
                          {nullptr, WM_SYSCOMMAND, SC_CLOSE, 0, 0, {}}};
    for (const MSG& close : closes) {
        CManagerDlg closing{system, network};
        HWND window = closing.Create();
        ASSERT_NE(window, nullptr);
        PostMessageA(window, close.message, close.wParam, close.lParam);
        PressPingThenRunTheQueue(window);
        EXPECT_FALSE(IsWindow(window)) << close.message;
    }
}

// Counts the messages a window of another program would get reflected.
LRESULT CALLBACK CountReflections(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR count)
{
    if (message == win::REFLECTED_COMMAND)
        ++*reinterpret_cast<int*>(count);
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(MainDialog, MessagesPostedWithBadParametersAreIgnored)
{
    int reflections = 0;
    HWND stranger =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(stranger, nullptr);
    SetWindowSubclass(stranger, CountReflections, 1, reinterpret_cast<DWORD_PTR>(&reflections));

    // A notification without its header or with one where nothing is
    // mapped, a second initialisation, a command naming a window not ours.
    PostMessageA(hwnd, WM_NOTIFY, IDC_SERVER_LIST, 0);
    PostMessageA(hwnd, WM_NOTIFY, IDC_SERVER_LIST, 16);
    PostMessageA(hwnd, WM_INITDIALOG, 0, 16);
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_HOMEPAGE_LINK, STN_CLICKED),
                 reinterpret_cast<LPARAM>(stranger));
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);

    EXPECT_EQ(reflections, 0);
    RemoveWindowSubclass(stranger, CountReflections, 1);
    DestroyWindow(stranger);
    // The window still follows its own commands.
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(hwnd));
}

// A dialog that keeps the codes of the notifications its hook is handed.
class NotifyRecorder : public win::Dialog {
  public:
    NotifyRecorder() : win::Dialog(IDD_ABOUT) {}
    std::vector<UINT> codes;

  protected:
    bool OnNotify(const NMHDR& header, LRESULT&) override
    {
        codes.push_back(header.code);
        return true;
    }
};

TEST(DialogNotifications, OnlyThoseWithAReadableHeaderReachTheHook)
{
    NotifyRecorder dialog;
    ASSERT_NE(dialog.Create(), nullptr);
    NMHDR header{dialog.Handle(), IDC_SERVER_LIST, LVN_COLUMNCLICK};
    SendMessageA(dialog.Handle(), WM_NOTIFY, IDC_SERVER_LIST, reinterpret_cast<LPARAM>(&header));
    SendMessageA(dialog.Handle(), WM_NOTIFY, IDC_SERVER_LIST, 0);
    SendMessageA(dialog.Handle(), WM_NOTIFY, IDC_SERVER_LIST, 16);
    EXPECT_EQ(dialog.codes, std::vector<UINT>{LVN_COLUMNCLICK});
}

TEST_F(MainDialog, SystemMenuEndsWithTheAboutItem)
{
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    char text[64] = "";
    GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&About Velnor...");
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUT));
    EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
}

// Closes the About box from inside its modal loop and records what it saw.
std::vector<std::string> g_aboutTexts;

void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND about = FindWindowA(nullptr, "About Velnor");
    if (!about)
        return;
    KillTimer(nullptr, timer);
    g_aboutTexts.push_back(WindowText(GetDlgItem(about, IDOK)));
    SendMessageA(about, WM_COMMAND, IDOK, 0);
}

TEST_F(MainDialog, EverySystemCommandFrom0x10To0x1FOpensTheAboutBox)
{
    for (UINT command : {0x0010u, 0x0017u, 0x001Fu}) {
        g_aboutTexts.clear();
        SetTimer(nullptr, 0, 50, CloseAboutBox);
        SendMessageA(hwnd, WM_SYSCOMMAND, command, 0);
        ASSERT_EQ(g_aboutTexts.size(), 1u) << command;
        EXPECT_EQ(g_aboutTexts[0], "OK");
    }
    EXPECT_TRUE(IsWindow(hwnd));
}

// Ctrl+C, then F1, as the keyboard sends them.
void TypeCtrlCThenF1()
{
    const BYTE keys[] = {VK_CONTROL, 'C', 'C', VK_CONTROL, VK_F1, VK_F1};
    const DWORD flags[] = {0, 0, KEYEVENTF_KEYUP, KEYEVENTF_KEYUP, 0, KEYEVENTF_KEYUP};
    for (int i = 0; i < 6; ++i)
        keybd_event(keys[i], 0, flags[i], 0);
}

std::string ClipboardText()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The keys reach their commands from a button with the focus, typed as a
// keyboard types them into the window as it runs for the user.
TEST(MainDialogKeys, CtrlCCopiesTheSelectedServerAndF1OpensTheAboutBoxFromAnyControl)
{
    SeedServerList("127.0.0.1;127.0.0.2;127.0.0.3");
    OperatingSystem system;
    NoNetwork network;
    CManagerDlg dialog{system, network};
    std::string copied;
    ScriptedUser user({[&dialog] {
                           SetForegroundWindow(dialog.Handle());
                           ListView_SetItemState(dialog.Item(IDC_SERVER_LIST), 1, LVIS_SELECTED,
                                                 LVIS_SELECTED);
                           SendMessageA(dialog.Handle(), WM_NEXTDLGCTL,
                                        reinterpret_cast<WPARAM>(dialog.Item(IDC_STARCRAFT).Handle()), TRUE);
                           TypeCtrlCThenF1();
                           return true;
                       },
                       [&] {
                           HWND about = FindDialog("About Velnor");
                           if (!about)
                               return false;
                           copied = ClipboardText();
                           PostMessageA(about, WM_COMMAND, IDOK, 0);
                           PostMessageA(dialog.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
                           return true;
                       }});
    dialog.DoModal();
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(copied, "127.0.0.2");
}

} // namespace
