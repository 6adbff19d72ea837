#include <algorithm>

#include "answer_watch.h"
#include "machine_state.h"
#include "res/resource.h"
#include "walk.h"
#include "walk_checks.h"
#include "walk_ping_checks.h"
#include "walk_servers.h"

namespace {

// "Ping" waits up to 4.5 s for a silent host, after 200 ms per server.
constexpr DWORD PING_TIMEOUT_MS = 120000;
// A moment into "Ping" when the answering host's time is in and the silent
// host's is not.
constexpr DWORD PING_PICTURE_DELAY_MS = 2500;
constexpr DWORD LAUNCH_TIMEOUT_MS = 30000;
// How long the window may take to answer a message while "Ping" runs.
constexpr double PING_ANSWER_LIMIT_MS = 250;
// A "Ping" press this soon after the end of the last one is dropped.
constexpr DWORD PING_DEBOUNCE_MS = 500;

// The public list at the first start: "Server List", then the override
// list's gateway, then the normal list's host that is not shown yet.
std::vector<ViewRow> FirstPublicRows(const Walk& walk)
{
    return PublicRows(walk.seededServerList,
                      {{"127.0.0.8", "Override", "0", ""}, {"velnor..invalid", "Reserved", "0", ""}});
}

void StartWithThePublicList(Walk& walk, VelnorRun& run)
{
    walk.report.Step("Start: the public list from \"Server List\", then the gateway lists' new hosts");
    CheckRows(walk, run.window, FirstPublicRows(walk),
              "the view shows the seeded servers, then the seeded gateways described by their names");
    CheckEditButtons(walk, run.window, false);
    walk.report.Check(!run.window.IsChecked(IDC_DELETE_BNCACHE), "\"Delete BNCACHE.DAT\" starts cleared");
    walk.report.Check(!FileExists(PrivateListPath()), "start-up makes no \"VELNOR.INI\"");
    walk.screenshots.Take("01-public-list", {run.window.Handle()});
    walk.standardLayout = LayoutOf(run.window);
}

void ShowThePrivateList(Walk& walk, VelnorRun& run)
{
    walk.report.Step("\"Private Servers\": the file is made, the edit buttons come on");
    run.window.Press(IDC_PRIVATE_SERVERS);
    CheckPrivateFile(walk, "", "an empty \"VELNOR.INI\" is made in the Windows directory");
    CheckEditButtons(walk, run.window, true);
    CheckRows(walk, run.window, {}, "the view is empty");
}

void AddServer(Walk& walk, VelnorRun& run, const PrivateServer& server, const std::string& picture)
{
    PendingPress press(run.window.Item(IDC_ADD_SERVER), MODAL_COMMAND_TIMEOUT_MS);
    DialogWindow dialog = WaitForOwnedWindow(run.window, run.process, "Dialog");
    walk.report.Check(dialog.ItemText(IDC_NEW_SERVER_NAME).empty() &&
                          dialog.ItemText(IDC_NEW_SERVER_DESCRIPTION).empty(),
                      "the Add Server dialog opens with empty fields");
    dialog.SetItemText(IDC_NEW_SERVER_NAME, server.name);
    dialog.SetItemText(IDC_NEW_SERVER_DESCRIPTION, server.description);
    if (!picture.empty())
        walk.screenshots.Take(picture, {run.window.Handle(), dialog.Handle()});
    CloseWithOk(walk, dialog, "the Add Server dialog");
    press.WaitUntilDone(ANSWER_TIMEOUT_MS);
}

void AddAndDeleteServers(Walk& walk, VelnorRun& run, const PrivateServers& servers)
{
    walk.report.Step("\"Add Server\" six times, then \"Delete Server\"");
    AddServer(walk, run, servers.silent, "02-add-server");
    CheckRows(walk, run.window, RowsOf({servers.silent}), "the first server is shown");
    CheckPrivateFile(walk, FileOf({servers.silent}), "the file holds the first server");
    AddServer(walk, run, servers.mistyped, "");
    CheckPrivateFile(walk, FileOf({servers.silent, servers.mistyped}), "the file holds two servers");
    for (const PrivateServer& server : {servers.clan, servers.ladder, servers.league, servers.local})
        AddServer(walk, run, server, "");
    const std::vector<PrivateServer> added = {servers.silent, servers.mistyped, servers.clan,
                                              servers.ladder, servers.league,   servers.local};
    CheckRows(walk, run.window, RowsOf(added), "the six servers are shown in the order added");
    CheckPrivateFile(walk, FileOf(added), "the file holds the six servers");

    run.window.Focus(IDC_SERVER_LIST);
    RemoteListView view = run.window.ListView(IDC_SERVER_LIST);
    view.Select(1);
    walk.report.Check(view.SelectedRow() == 1, "the second row is selected");
    walk.screenshots.Take("03-private-servers", {run.window.Handle()});
    run.window.Press(IDC_DELETE_SERVER);
    CheckRows(walk, run.window, RowsOf(Kept(servers)), "the selected server is gone");
    CheckPrivateFile(walk, FileOf(Kept(servers)), "and gone from the file");
}

void CheckAnswersThroughout(Walk& walk, const AnswerWatch& watch)
{
    walk.report.Check(watch.LongestAnswerMs() <= PING_ANSWER_LIMIT_MS,
                      "the window answered a sent WM_NULL within 250 ms throughout: " +
                          std::to_string(watch.Answers()) + " answers, the longest after " +
                          std::to_string(static_cast<int>(watch.LongestAnswerMs())) + " ms");
    walk.report.Check(!watch.EverHung(), "the system never called the window hung");
}

// As when a window that covered it goes away: the whole window must be
// painted again at once, the list view and the buttons included.
void CheckRepaintWhenUncovered(Walk& walk, VelnorRun& run)
{
    const HWND window = run.window.Handle();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    const bool painted = PollUntil(
        [&] {
            return !GetUpdateRect(window, nullptr, FALSE) &&
                   !GetUpdateRect(run.window.Item(IDC_SERVER_LIST), nullptr, FALSE);
        },
        static_cast<DWORD>(PING_ANSWER_LIMIT_MS), 5);
    walk.report.Check(painted, "the whole window, made invalid as when uncovered, is painted again at once");
}

std::vector<std::string> ServerNames(const std::vector<ViewRow>& rows)
{
    std::vector<std::string> names;
    for (const ViewRow& row : rows)
        names.push_back(row[0]);
    std::sort(names.begin(), names.end());
    return names;
}

// Another program sends the window "Blizzard Servers" while the probes run:
// the window answers at once and nothing changes.
void SendACommandMeanwhile(Walk& walk, VelnorRun& run, const std::vector<ViewRow>& rowsBefore)
{
    DWORD_PTR result = 0;
    const bool answered =
        SendMessageTimeoutA(run.window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_BLIZZARD_SERVERS, BN_CLICKED),
                            reinterpret_cast<LPARAM>(run.window.Item(IDC_BLIZZARD_SERVERS)), SMTO_NORMAL,
                            static_cast<UINT>(PING_ANSWER_LIMIT_MS), &result) != 0;
    walk.report.Check(answered, "a \"Blizzard Servers\" command sent meanwhile is answered at once");
    walk.report.Check(ServerNames(run.window.ListView(IDC_SERVER_LIST).Rows()) == ServerNames(rowsBefore),
                      "and changes nothing");
    CheckEditButtons(walk, run.window, true);
}

void Ping(Walk& walk, VelnorRun& run, const PrivateServers& servers)
{
    walk.report.Step("\"Ping\": every time fills in, the rows end sorted, the window answers");
    const std::vector<ViewRow> rowsBefore = run.window.ListView(IDC_SERVER_LIST).Rows();
    const Connections connectionsBefore = ConnectionsNow();
    AnswerWatch watch(run.window.Handle());
    PendingPress press(run.window.Item(IDC_PING), PING_TIMEOUT_MS);
    Sleep(PING_PICTURE_DELAY_MS);
    walk.screenshots.Take("04-ping-running", {run.window.Handle()});
    CheckRepaintWhenUncovered(walk, run);
    SendACommandMeanwhile(walk, run, rowsBefore);
    press.WaitUntilDone(PING_TIMEOUT_MS);
    watch.Stop();
    CheckAnswersThroughout(walk, watch);
    CheckMeasuredRows(walk, run.window.ListView(IDC_SERVER_LIST).Rows(), servers);
    CheckConnections(walk, connectionsBefore, 1, "each listening host saw one connection to its game port");
    walk.report.Check(run.window.ListView(IDC_SERVER_LIST).SelectedRow() == -1, "no row is selected");
    CheckPrivateFile(walk, FileOf(Kept(servers)), "the file still holds the list in its own order");
    walk.screenshots.Take("05-ping-sorted", {run.window.Handle()});
}

// Within two minutes of the last connection to a host's game port, "Ping"
// shows what that connection gave and makes no new one.
void PingAgain(Walk& walk, VelnorRun& run, const PrivateServers& servers)
{
    walk.report.Step("\"Ping\" again at once: no new connection to any game port");
    const std::vector<ViewRow> first = run.window.ListView(IDC_SERVER_LIST).Rows();
    const Connections connectionsBefore = ConnectionsNow();
    Sleep(PING_DEBOUNCE_MS);
    {
        PendingPress press(run.window.Item(IDC_PING), PING_TIMEOUT_MS);
        press.WaitUntilDone(PING_TIMEOUT_MS);
    }
    const std::vector<ViewRow> second = run.window.ListView(IDC_SERVER_LIST).Rows();
    walk.report.CheckEqual(GamePortCells(second, servers), GamePortCells(first, servers),
                           "every server shows the game port outcome of the first \"Ping\"");
    CheckConnections(walk, connectionsBefore, 0, "the listening hosts saw no new connection");
}

// A click given while "Ping" runs is dropped when it ends, since the rows
// may have moved under the pointer: "Blizzard Servers" never throws away
// the times just measured.
void ClickDuringPing(Walk& walk, VelnorRun& run, const PrivateServers& servers)
{
    walk.report.Step("\"Blizzard Servers\" clicked during \"Ping\" is dropped");
    Sleep(PING_DEBOUNCE_MS);
    RemoteListView view = run.window.ListView(IDC_SERVER_LIST);
    const std::vector<std::string> privateNames = ServerNames(view.Rows());
    view.Select(0);
    PendingPress press(run.window.Item(IDC_PING), PING_TIMEOUT_MS);
    // The refill that begins the ping leaves no row selected.
    const bool begun = PollUntil([&] { return view.SelectedRow() == -1; }, ANSWER_TIMEOUT_MS);
    walk.report.Check(begun, "the ping has begun");
    run.window.PostClick(IDC_BLIZZARD_SERVERS);
    // Rows read before a look that finds the command still running were
    // read while it ran.
    bool stayedPrivate = true;
    PollUntil(
        [&] {
            const std::vector<std::string> names = ServerNames(view.Rows());
            if (press.IsDone())
                return true;
            stayedPrivate = stayedPrivate && names == privateNames;
            return false;
        },
        PING_TIMEOUT_MS);
    press.WaitUntilDone(ANSWER_TIMEOUT_MS);
    walk.report.Check(stayedPrivate, "the private servers stay shown until \"Ping\" is over");
    // A click after the ping is taken after whatever the queue still held.
    const bool ticked = run.window.IsChecked(IDC_DELETE_BNCACHE);
    run.window.PostClick(IDC_DELETE_BNCACHE);
    walk.report.Check(
        PollUntil([&] { return run.window.IsChecked(IDC_DELETE_BNCACHE) != ticked; }, ANSWER_TIMEOUT_MS),
        "a click after the ping is taken");
    run.window.Press(IDC_DELETE_BNCACHE);
    CheckEditButtons(walk, run.window, true);
    CheckPrivateFile(walk, FileOf(Kept(servers)), "the private list file is unchanged");
}

// What the stand-in game wrote when it ran: its working directory first.
std::optional<std::string> WaitForStandinDirectory(const GameInstall& game)
{
    std::optional<std::string> record;
    PollUntil([&] { return (record = ReadWholeFile(game.standinRecord)).has_value(); }, LAUNCH_TIMEOUT_MS);
    if (!record)
        return std::nullopt;
    return record->substr(0, record->find('\n'));
}

void LaunchStarCraft(Walk& walk, VelnorRun& run, const std::string& server, const std::string& picture,
                     const std::vector<std::string>& gateways)
{
    DeleteFileA(walk.game.standinRecord.c_str());
    run.window.Focus(IDC_SERVER_LIST);
    run.window.ListView(IDC_SERVER_LIST).Select(0);
    if (!picture.empty())
        walk.screenshots.Take(picture, {run.window.Handle()});
    run.window.Press(IDC_STARCRAFT);
    std::optional<std::string> directory = WaitForStandinDirectory(walk.game);
    walk.report.Check(directory.has_value(), "the stand-in game ran");
    walk.report.CheckEqual(directory.value_or(""), walk.game.directory, "in its installation directory");
    CheckServerList(walk, server, "\"Server List\" holds the selected server alone");
    CheckGateways(walk, gateways, "\"Battle.net Gateways\" selects it, after every gateway it had");
}

void LaunchTheFastest(Walk& walk, VelnorRun& run, const PrivateServers& servers)
{
    walk.report.Step("\"StarCraft\" with no row selected");
    PendingPress press(run.window.Item(IDC_STARCRAFT), MODAL_COMMAND_TIMEOUT_MS);
    AnswerMessageBox(walk, run, "Select a server first", "06-select-a-server-first");
    press.WaitUntilDone(ANSWER_TIMEOUT_MS);
    CheckServerList(walk, walk.seededServerList, "\"Server List\" is untouched");

    const std::string fastest = run.window.ListView(IDC_SERVER_LIST).CellText(0, 0);
    const std::string description = run.window.ListView(IDC_SERVER_LIST).CellText(0, 1);
    std::vector<std::string> gateways = SEEDED_GATEWAYS;
    gateways[1] = "03";
    gateways.insert(gateways.end(), {fastest, LocalGatewayZone(), description});
    // The launch adds the server to the override list; the next start gives the seeded list back.
    walk.nextGatewayRows = {{"127.0.0.8", "Override", "0"}, {fastest, description, "0"}};
    if ((";" + walk.seededServerList + ";").find(";" + fastest + ";") != std::string::npos)
        walk.nextGatewayRows.pop_back();
    walk.nextGatewayRows.push_back({"velnor..invalid", "Reserved", "0"});
    walk.report.Step("\"StarCraft\" on the fastest server, " + fastest);
    LaunchStarCraft(walk, run, fastest, "07-launch", gateways);
    walk.report.Check(FileExists(walk.game.cacheFile), "\"BNCACHE.DAT\" stays while the box is clear");

    walk.report.Step("\"StarCraft\" again with \"Delete BNCACHE.DAT\" ticked");
    run.window.Press(IDC_DELETE_BNCACHE);
    walk.report.Check(run.window.IsChecked(IDC_DELETE_BNCACHE), "the box is ticked");
    LaunchStarCraft(walk, run, fastest, "", gateways);
    walk.report.Check(!FileExists(walk.game.cacheFile), "\"BNCACHE.DAT\" is gone");
    CheckPrivateFile(walk, FileOf(Kept(servers)), "the private list file is unchanged");
}

} // namespace

void WalkFirstRun(Walk& walk)
{
    const PrivateServers servers = ServersToAdd(walk.setup);
    VelnorRun run(walk.setup.velnor);
    StartWithThePublicList(walk, run);
    ShowThePrivateList(walk, run);
    AddAndDeleteServers(walk, run, servers);
    Ping(walk, run, servers);
    PingAgain(walk, run, servers);
    LaunchTheFastest(walk, run, servers);
    ClickDuringPing(walk, run, servers);

    walk.report.Step("The close box ends Velnor; nothing is saved on the way out");
    const std::string serverList = ReadMachineString(CONFIGURATION_KEY, SERVER_LIST_VALUE).value_or("");
    CloseThroughCloseBox(walk, run);
    CheckServerList(walk, serverList, "\"Server List\" is as the launch left it");
    CheckPrivateFile(walk, FileOf(Kept(servers)), "the private list file is unchanged");
}
