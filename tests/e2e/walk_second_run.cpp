#include "res/resource.h"
#include "walk.h"
#include "walk_checks.h"

namespace {

void StartWithTheListGivenBack(Walk& walk, VelnorRun& run)
{
    walk.report.Step("Start again: the server the launch left gives back the list it replaced");
    CheckServerList(walk, walk.seededServerList, "the seeded list is stored again");
    CheckRows(walk, run.window, PublicRows(walk.seededServerList, walk.nextGatewayRows),
              "and shown, in list order, then the gateways that are new to it, the launched one included");
    CheckEditButtons(walk, run.window, false);
    walk.screenshots.Take("08-list-given-back", {run.window.Handle()});
}

DialogWindow OpenTheAboutBox(const VelnorRun& run)
{
    run.window.SystemCommand(IDM_ABOUT);
    return WaitForOwnedWindow(run.window, run.process, "About Velnor");
}

// The key goes through the window's queue as a typed one does. The About
// box, asked for after it through the same queue, opens only once the key
// has been handled: then the window must still be there.
void PressKeyInTheList(Walk& walk, VelnorRun& run, WORD virtualKey, const std::string& name)
{
    run.window.Focus(IDC_SERVER_LIST);
    run.window.PostKey(virtualKey);
    DialogWindow about = OpenTheAboutBox(run);
    walk.report.Check(run.window.IsShown() && run.process.IsRunning(), name + " leaves the window open");
    CloseWithOk(walk, about, "the About box");
}

void PressEnterAndEsc(Walk& walk, VelnorRun& run)
{
    walk.report.Step("Enter and Esc leave the window open");
    PressKeyInTheList(walk, run, VK_RETURN, "Enter");
    PressKeyInTheList(walk, run, VK_ESCAPE, "Esc");
}

void ShowTheAboutBox(Walk& walk, VelnorRun& run)
{
    walk.report.Step("The About box from the system menu");
    DialogWindow about = OpenTheAboutBox(run);
    walk.report.Check(about.StaticTexts().find("Velnor v2.0\n") != std::string::npos,
                      "it says \"Velnor v2.0\"");
    walk.screenshots.Take("09-about-box", {run.window.Handle(), about.Handle()});
    CloseWithOk(walk, about, "it");
    walk.report.Check(run.window.IsShown(), "the main window stays");
}

} // namespace

void WalkSecondRun(Walk& walk)
{
    VelnorRun run(walk.setup.velnor);
    StartWithTheListGivenBack(walk, run);
    PressEnterAndEsc(walk, run);
    ShowTheAboutBox(walk, run);
    walk.report.Step("The close box ends Velnor again");
    CloseThroughCloseBox(walk, run);
    CheckServerList(walk, walk.seededServerList, "\"Server List\" still holds the seeded list");
}
