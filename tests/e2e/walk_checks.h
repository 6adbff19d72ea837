#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pending_press.h"
#include "walk.h"

// Checks that more than one step of the walk makes.

// How long a command that opens a modal window may stay in it.
constexpr DWORD MODAL_COMMAND_TIMEOUT_MS = 60000;

// A ping cell read back: "N/A" is 9999, digits their value; nothing for
// any other text.
std::optional<int> PingValue(const std::string& cell);

void CheckRows(Walk& walk, const DialogWindow& window, const std::vector<ViewRow>& expected,
               const std::string& what);
void CheckServerList(Walk& walk, const std::string& expected, const std::string& what);
// StarCraft's gateway list, its lines as given: the data as stored, line
// ends shown as "\0".
void CheckGateways(Walk& walk, const std::vector<std::string>& expected, const std::string& what);
// The time-zone number of a gateway added here: the local standard bias in
// whole hours, the nearest first, as the game clients count it.
std::string LocalGatewayZone();
void CheckPrivateFile(Walk& walk, const std::string& expected, const std::string& what);
void CheckEditButtons(Walk& walk, const DialogWindow& window, bool enabled);
// Reads the message box that the main window shows, checks its text and
// answers it with OK.
void AnswerMessageBox(Walk& walk, VelnorRun& run, const std::string& expected, const std::string& picture);
// Presses OK in a dialog of Velnor's and checks that it closes.
void CloseWithOk(Walk& walk, const DialogWindow& dialog, const std::string& what);
// Ends the run through the close box.
void CloseThroughCloseBox(Walk& walk, VelnorRun& run);
