#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "child_process.h"
#include "screenshots.h"
#include "velnor_window.h"
#include "walk_report.h"

// The hosts of the namespace fixture that the walk puts into its private
// list: one answers echo after a short delay and refuses the game port,
// one never answers, one ignores echo but takes the game's connections,
// and one answers both.
struct FixtureHosts {
    std::string delayed;
    std::string silent;
    std::string portOnly;
    std::string answering;
};

// What the walk is given: the programs, where the pictures go, and the
// fixture's hosts when the machine has them.
struct WalkSetup {
    std::string velnor;
    std::string standinGame;
    std::string screenshotFolder;
    std::optional<FixtureHosts> fixture;
};

// The StarCraft installation that the walk makes for the stand-in game.
struct GameInstall {
    std::string directory;
    std::string cacheFile;
    std::string standinRecord;
};

// One run of Velnor, from its start to its main window, ended at the
// latest when the object goes.
class VelnorRun {
  public:
    explicit VelnorRun(const std::string& program);

    ChildProcess process;
    DialogWindow window;
};

// Where the main window's controls sit in its client area.
struct WindowLayout {
    SIZE client;
    std::vector<std::pair<int, RECT>> controls;
};

WindowLayout LayoutOf(const DialogWindow& window);

// What every step needs.
struct Walk {
    const WalkSetup& setup;
    WalkReport& report;
    Screenshots screenshots;
    GameInstall game;
    std::string seededServerList;
    // The main window as the first run shows it, at the standard 96 DPI.
    WindowLayout standardLayout;
    // The rows that StarCraft's gateway lists add to the public list at the
    // next start, as the first run's launch leaves them.
    std::vector<ViewRow> nextGatewayRows;
};

// StarCraft's own gateway list and its override list as run-walk.sh seeds
// them: test addresses and malformed names only.
extern const std::vector<std::string> SEEDED_GATEWAYS;
extern const std::vector<std::string> SEEDED_OVERRIDE_GATEWAYS;

// The first run: public list, private list and its edits, Ping, and the
// StarCraft launch, ended through the close box.
void WalkFirstRun(Walk& walk);
// The second run: the list given back, the keys and the About box.
void WalkSecondRun(Walk& walk);
// The third run, at 144 DPI: the window grows and keeps its layout.
void WalkAtHighDpi(Walk& walk);

// The rows of the view as text, one line each, for the report.
std::string DescribeRows(const std::vector<ViewRow>& rows);
// The rows that a well-formed "Server List" value shows at start-up, then
// the given rows of the gateway lists.
std::vector<ViewRow> PublicRows(const std::string& serverList, const std::vector<ViewRow>& gatewayRows = {});
