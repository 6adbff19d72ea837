#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "../unit/fakes/fake_file_associations.h"
#include "../unit/fakes/fake_shell.h"
#include "../unit/fakes/fake_user.h"
#include "controls/hyperlink.h"
#include "controls/link_label_win32.h"
#include "no_network.h"
#include "res/maintainer.h"
#include "res/resource.h"
#include "test_registry.h"
#include "ui/link_opener_win32.h"
#include "ui/manager_dialog_win32.h"
#include "win/dialog.h"
#include "window_queries.h"

namespace {

LOGFONTA FontOf(HWND hwnd)
{
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

SIZE TextExtent(HWND hwnd)
{
    const std::string text = WindowText(hwnd);
    SIZE extent{};
    HDC dc = GetDC(hwnd);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(hwnd, dc);
    return extent;
}

struct TipSearch {
    HWND label;
    std::string text;
    int tips;
};

BOOL CALLBACK ReadTipOfLabel(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<TipSearch*>(lParam);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, TOOLTIPS_CLASSA) != 0)
        return TRUE;
    char text[512] = "";
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = search.label;
    tool.uId = 1;
    if (!SendMessageA(window, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)))
        return TRUE;
    tool.lpszText = text;
    SendMessageA(window, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    search.text = text;
    ++search.tips;
    return TRUE;
}

// The tool tips that have tool 1 for the label.
TipSearch SearchTips(HWND label)
{
    TipSearch search{label, "", 0};
    EnumThreadWindows(GetCurrentThreadId(), ReadTipOfLabel, reinterpret_cast<LPARAM>(&search));
    return search;
}

// The text of tool 1 for the label, from the one tool tip that has it.
std::string TipText(HWND label)
{
    const TipSearch search = SearchTips(label);
    EXPECT_EQ(search.tips, 1);
    return search.text;
}

struct Painting {
    COLORREF textColor;
    int backgroundMode;
    HGDIOBJ brush;
};

// What the dialog answers when the static asks how to paint itself.
Painting PaintingOf(HWND label)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, OPAQUE);
    auto brush = reinterpret_cast<HGDIOBJ>(SendMessageA(
        GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    Painting painting{GetTextColor(dc), GetBkMode(dc), brush};
    DeleteDC(dc);
    return painting;
}

LPARAM Position(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// The pointer comes over the label and leaves it again.
void PassOver(HWND label)
{
    SendMessageA(label, WM_MOUSEMOVE, 0, Position(1, 1));
    SendMessageA(label, WM_MOUSEMOVE, 0, Position(-5, -5));
}

// The main window's template with both labels left as plain statics; the home page's label reports its
// clicks to the test, the mail's to the main window's opener, which opens through fakes.
class LinkLabelTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_NE(dialog.Create(), nullptr);
        home = dialog.Item(IDC_HOMEPAGE_LINK);
        mail = dialog.Item(IDC_MAIL_LINK);
    }

    void Click(HWND label) { SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, Position(1, 1)); }

    FakeShell shell;
    FakeFileAssociations associations;
    FakeUser user;
    std::vector<CLinkLabel*> clicks;
    win::Dialog dialog{IDD_MAIN};
    CLinkLabel homeLink{[this](CLinkLabel& clicked) { clicks.push_back(&clicked); }};
    CLinkLabel mailLink{LinkOpener(shell, associations, user)};
    HWND home = nullptr;
    HWND mail = nullptr;
};

TEST_F(LinkLabelTest, AttachedLabelIsAnUnderlinedLinkToItsText)
{
    SetWindowLongA(home, GWL_STYLE, GetWindowLongA(home, GWL_STYLE) & ~SS_NOTIFY);
    const std::string text = WindowText(home);
    homeLink.Attach(home);

    EXPECT_TRUE(GetWindowLongA(home, GWL_STYLE) & SS_NOTIFY);
    EXPECT_EQ(homeLink.GetTarget(), text);
    EXPECT_EQ(WindowText(home), text);
    EXPECT_TRUE(FontOf(home).lfUnderline);
    EXPECT_TRUE(homeLink.IsUnderlined());
    EXPECT_NE(homeLink.GetHandCursor(), nullptr);

    const Painting painting = PaintingOf(home);
    EXPECT_EQ(painting.textColor, RGB(0, 0, 238));
    EXPECT_EQ(painting.backgroundMode, TRANSPARENT);
    EXPECT_EQ(painting.brush, GetStockObject(NULL_BRUSH));

    EXPECT_EQ(SearchTips(home).tips, 0) << "the tip is made when the pointer first comes";
    PassOver(home);
    EXPECT_EQ(TipText(home), text);
}

TEST_F(LinkLabelTest, ClickOnAStaticThatLackedNotifyIsReportedToTheOwner)
{
    SetWindowLongA(home, GWL_STYLE, GetWindowLongA(home, GWL_STYLE) & ~SS_NOTIFY);
    homeLink.Attach(home);
    Click(home);
    EXPECT_EQ(clicks, std::vector<CLinkLabel*>{&homeLink});
    EXPECT_FALSE(homeLink.IsVisited()) << "the owner marks it visited";
}

TEST_F(LinkLabelTest, TargetSetBeforeAttachmentFillsAnEmptyText)
{
    SetWindowTextA(mail, "");
    mailLink.SetTarget("http://127.0.0.1/");
    mailLink.Attach(mail);
    EXPECT_EQ(WindowText(mail), "http://127.0.0.1/");
    PassOver(mail);
    EXPECT_EQ(TipText(mail), "http://127.0.0.1/");
}

TEST_F(LinkLabelTest, TargetSetAfterAttachmentChangesTheTipNotTheText)
{
    const std::string text = WindowText(mail);
    mailLink.Attach(mail);
    PassOver(mail);
    const RECT fitted = RectInParent(mail);
    mailLink.SetTarget(text + "?subject=VELNOR: ");

    EXPECT_EQ(WindowText(mail), text);
    EXPECT_EQ(mailLink.GetTarget(), text + "?subject=VELNOR: ");
    EXPECT_EQ(TipText(mail), text + "?subject=VELNOR: ");
    const RECT after = RectInParent(mail);
    EXPECT_TRUE(EqualRect(&after, &fitted));
}

TEST_F(LinkLabelTest, LeftAlignedLabelFitsItsTextAndKeepsItsTopLeftCorner)
{
    const RECT before = RectInParent(home);
    homeLink.Attach(home);
    const RECT after = RectInParent(home);
    const SIZE text = TextExtent(home);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, text.cx);
    EXPECT_EQ(after.bottom - after.top, text.cy);
    EXPECT_NE(text.cx, before.right - before.left);
}

TEST_F(LinkLabelTest, RightAlignedLabelKeepsItsRightEdge)
{
    SetWindowLongA(home, GWL_STYLE, GetWindowLongA(home, GWL_STYLE) | SS_RIGHT);
    const RECT before = RectInParent(home);
    homeLink.Attach(home);
    const RECT after = RectInParent(home);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, TextExtent(home).cx);
}

TEST_F(LinkLabelTest, CentredLabelKeepsItsCentreAndTheOddPixel)
{
    SetWindowLongA(home, GWL_STYLE, GetWindowLongA(home, GWL_STYLE) | SS_CENTER | SS_CENTERIMAGE);
    const RECT before = RectInParent(home);
    homeLink.Attach(home);
    const RECT after = RectInParent(home);
    const SIZE text = TextExtent(home);
    EXPECT_EQ(after.left + after.right, before.left + before.right);
    EXPECT_EQ(after.top + after.bottom, before.top + before.bottom);
    // A difference is split evenly; an odd one leaves one pixel over.
    const int widthDifference = (before.right - before.left) - text.cx;
    const int heightDifference = (before.bottom - before.top) - text.cy;
    EXPECT_EQ(after.right - after.left, text.cx + widthDifference % 2);
    EXPECT_EQ(after.bottom - after.top, text.cy + heightDifference % 2);
}

TEST_F(LinkLabelTest, LabelNotToFitKeepsTheTemplatesSize)
{
    const RECT before = RectInParent(home);
    homeLink.SetFitToText(false);
    homeLink.Attach(home);
    const RECT after = RectInParent(home);
    EXPECT_TRUE(EqualRect(&after, &before));
}

TEST_F(LinkLabelTest, MainWindowMarksAnOpenedLinkVisitedAndExplainsAFailedOne)
{
    mailLink.Attach(mail);
    shell.executeResult = 42;
    Click(mail);
    ASSERT_EQ(shell.executions.size(), 1u);
    EXPECT_EQ(shell.executions[0].verb, "open");
    EXPECT_EQ(shell.executions[0].file, WindowText(mail));
    EXPECT_EQ(shell.executions[0].showCommand, SW_SHOW);
    EXPECT_EQ(PaintingOf(mail).textColor, RGB(85, 26, 139));

    shell.executeResult = 2;
    SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_MAIL_LINK, STN_CLICKED),
                 reinterpret_cast<LPARAM>(mail));

    EXPECT_FALSE(mailLink.IsVisited());
    EXPECT_EQ(user.warnings, std::vector<std::string>{OpenErrorText(2)});
    EXPECT_EQ(associations.reads, std::vector<std::string>{".htm"});
    EXPECT_EQ(PaintingOf(mail).textColor, RGB(0, 0, 238));
}

TEST_F(LinkLabelTest, HoverColourLastsWhileThePointerStaysOnTheLabel)
{
    homeLink.SetStateColors(RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3));
    homeLink.Attach(home);
    homeLink.MarkVisited(true);

    SendMessageA(home, WM_MOUSEMOVE, 0, Position(1, 1));
    EXPECT_EQ(GetCapture(), home);
    EXPECT_EQ(PaintingOf(home).textColor, RGB(3, 3, 3));
    SendMessageA(home, WM_MOUSEMOVE, 0, Position(2, 2));
    EXPECT_EQ(GetCapture(), home);

    SendMessageA(home, WM_MOUSEMOVE, 0, Position(-1, 2));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(PaintingOf(home).textColor, RGB(2, 2, 2));
}

TEST_F(LinkLabelTest, LostCaptureEndsTheHover)
{
    homeLink.Attach(home);
    SendMessageA(home, WM_MOUSEMOVE, 0, Position(1, 1));
    ASSERT_EQ(GetCapture(), home);
    ReleaseCapture();
    EXPECT_EQ(PaintingOf(home).textColor, RGB(0, 0, 238));
}

TEST_F(LinkLabelTest, HoverColourOfMinusOneIsTheSystemHighlight)
{
    homeLink.SetStateColors(RGB(1, 1, 1), RGB(2, 2, 2), static_cast<COLORREF>(-1));
    EXPECT_EQ(homeLink.GetHoverColor(), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(homeLink.GetUnvisitedColor(), RGB(1, 1, 1));
    EXPECT_EQ(homeLink.GetVisitedColor(), RGB(2, 2, 2));
}

TEST_F(LinkLabelTest, UnderlineCanBeTurnedOffAfterAttachment)
{
    homeLink.Attach(home);
    homeLink.SetUnderlined(false);
    EXPECT_FALSE(FontOf(home).lfUnderline);
    EXPECT_FALSE(homeLink.IsUnderlined());
}

TEST_F(LinkLabelTest, HandCursorIsShownOverTheLabelAndReloadedWhenCleared)
{
    homeLink.Attach(home);
    EXPECT_TRUE(
        SendMessageA(home, WM_SETCURSOR, reinterpret_cast<WPARAM>(home), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), homeLink.GetHandCursor());
    homeLink.SetHandCursor(nullptr);
    EXPECT_NE(homeLink.GetHandCursor(), nullptr);
}

TEST(MainWindowLinks, HomePageOpensItsTextAndMailCarriesASubject)
{
    SeedServerList("127.0.0.1;127.0.0.2");
    OperatingSystem system;
    NoNetwork network;
    CManagerDlg dialog{system, network};
    ASSERT_NE(dialog.Create(), nullptr);
    HWND home = dialog.Item(IDC_HOMEPAGE_LINK);
    HWND mail = dialog.Item(IDC_MAIL_LINK);

    PassOver(home);
    PassOver(mail);
    EXPECT_EQ(WindowText(home), MAINTAINER_HOMEPAGE);
    EXPECT_EQ(TipText(home), MAINTAINER_HOMEPAGE);
    EXPECT_EQ(WindowText(mail), std::string("mailto:") + MAINTAINER_EMAIL);
    EXPECT_EQ(TipText(mail), std::string("mailto:") + MAINTAINER_EMAIL + "?subject=VELNOR: ");
    for (HWND label : {home, mail}) {
        EXPECT_TRUE(FontOf(label).lfUnderline);
        EXPECT_EQ(PaintingOf(label).textColor, RGB(0, 0, 238));
        EXPECT_EQ(RectInParent(label).bottom - RectInParent(label).top, TextExtent(label).cy);
    }
}

} // namespace
