#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "res/resource.h"
#include "scripted_user.h"
#include "ui/add_server_dialog_win32.h"
#include "window_queries.h"

namespace {

Answer NoObjection(ServerEntry&)
{
    return {};
}

HWND AddDialog()
{
    return FindDialog("Dialog");
}

void CheckTemplate(HWND dialog)
{
    struct Control {
        int id;
        const char* className;
        const char* text;
        LONG style;
        RECT units; // left, top, width, height
    };
    const Control controls[] = {
        {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {100, 4, 50, 14}},
        {IDCANCEL, "Button", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, {100, 24, 50, 14}},
        {IDC_NEW_SERVER_NAME, "Edit", "", WS_TABSTOP | ES_AUTOHSCROLL, {4, 16, 88, 12}},
        {0xFFFF, "Static", "Server Name:", SS_LEFT | WS_GROUP, {4, 4, 80, 8}},
        {0xFFFF, "Static", "Description:", SS_LEFT | WS_GROUP, {4, 36, 80, 8}},
        {IDC_NEW_SERVER_DESCRIPTION, "Edit", "", WS_TABSTOP | ES_AUTOHSCROLL, {4, 48, 88, 12}},
    };
    EXPECT_EQ(GetWindowLongA(dialog, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
              static_cast<LONG>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
    RECT client;
    GetClientRect(dialog, &client);
    RECT size = {0, 0, 152, 69};
    MapDialogRect(dialog, &size);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const Control& control : controls) {
        SCOPED_TRACE(control.text);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetDlgCtrlID(child), control.id);
        EXPECT_EQ(ClassName(child), control.className);
        EXPECT_EQ(WindowText(child), control.text);
        EXPECT_EQ(GetWindowLongA(child, GWL_STYLE) & control.style, control.style);
        if (control.className == std::string("Edit")) {
            // A bordered edit of a dialog gets the sunken edge in place of
            // the flat border.
            EXPECT_TRUE((GetWindowLongA(child, GWL_STYLE) & WS_BORDER) ||
                        (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
        }
        // The dialog manager converts place and size each on its own.
        RECT place = {control.units.left, control.units.top, control.units.right, control.units.bottom};
        MapDialogRect(dialog, &place);
        RECT expected = {place.left, place.top, place.left + place.right, place.top + place.bottom};
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        EXPECT_EQ(actual.bottom, expected.bottom);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
}

TEST(AddServerDialog, TemplateHasItsControlsInTabOrderAndPlace)
{
    ScriptedUser user({[] {
        HWND dialog = AddDialog();
        if (!dialog)
            return false;
        CheckTemplate(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return true;
    }});
    EXPECT_EQ(RunAddServerDialog(nullptr, NoObjection), std::nullopt);
    EXPECT_TRUE(user.Finished());
}

TEST(AddServerDialog, OpensEmptyWithTheCaretInTheServerNameAndCancelGivesNothing)
{
    ScriptedUser user({[] {
        HWND dialog = AddDialog();
        if (!dialog)
            return false;
        EXPECT_EQ(WindowText(dialog), "Dialog");
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_NEW_SERVER_NAME));
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_NEW_SERVER_NAME)), "");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_NEW_SERVER_DESCRIPTION)), "");
        SetDlgItemTextA(dialog, IDC_NEW_SERVER_NAME, "127.0.0.1");
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        return true;
    }});
    EXPECT_EQ(RunAddServerDialog(nullptr, NoObjection), std::nullopt);
    EXPECT_TRUE(user.Finished());
}

// The check sees the description as typed, in UTF-16, beside the code
// page's text, which has "?" for what the code page lacks.
TEST(AddServerDialog, EnterConfirmsThroughTheDefaultButton)
{
    ScriptedUser user({[] {
        HWND dialog = AddDialog();
        if (!dialog)
            return false;
        SetDlgItemTextA(dialog, IDC_NEW_SERVER_NAME, "127.0.0.1");
        SetDlgItemTextW(dialog, IDC_NEW_SERVER_DESCRIPTION, L"  Loop back \u0416  ");
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
        return true;
    }});
    std::u16string typed;
    std::optional<ServerEntry> server = RunAddServerDialog(nullptr, [&typed](ServerEntry& checked) {
        typed = checked.descriptionUtf16;
        checked.serverName = "as the check left it";
        return Answer{};
    });
    ASSERT_TRUE(server);
    EXPECT_EQ(server->serverName, "as the check left it");
    EXPECT_EQ(server->description, "  Loop back ?  ");
    EXPECT_EQ(typed, u"  Loop back \u0416  ");
    EXPECT_TRUE(user.Finished());
}

TEST(AddServerDialog, ARefusalIsShownAndTheDialogStaysOpenWithWhatWasTyped)
{
    std::vector<std::string> checked;
    auto check = [&](ServerEntry& server) {
        checked.push_back(server.serverName + "|" + server.description);
        return server.serverName.find(' ') == std::string::npos ? Answer{}
                                                                : Answer::Refusing("No spaces, please.");
    };
    ScriptedUser user({[] {
                           HWND dialog = AddDialog();
                           if (!dialog)
                               return false;
                           SetDlgItemTextA(dialog, IDC_NEW_SERVER_NAME, "two words");
                           SetDlgItemTextA(dialog, IDC_NEW_SERVER_DESCRIPTION, "kept");
                           PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
                           return true;
                       },
                       [] {
                           HWND box = FindDialog("Velnor");
                           if (!box)
                               return false;
                           EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "No spaces, please.");
                           PostMessageA(box, WM_COMMAND, IDOK, 0);
                           return true;
                       },
                       [] {
                           HWND dialog = AddDialog();
                           if (!dialog || FindDialog("Velnor"))
                               return false;
                           EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_NEW_SERVER_NAME)), "two words");
                           EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_NEW_SERVER_DESCRIPTION)), "kept");
                           SetDlgItemTextA(dialog, IDC_NEW_SERVER_NAME, "one-word");
                           PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                           return true;
                       }});
    std::optional<ServerEntry> server = RunAddServerDialog(nullptr, check);
    ASSERT_TRUE(server);
    EXPECT_EQ(server->serverName, "one-word");
    EXPECT_EQ(server->description, "kept");
    EXPECT_EQ(checked, (std::vector<std::string>{"two words|kept", "one-word|kept"}));
    EXPECT_TRUE(user.Finished());
}

} // namespace
