#include "walk_checks.h"

#include "machine_state.h"
#include "res/resource.h"

namespace {

constexpr int MESSAGE_BOX_TEXT_ID = 0xFFFF;
constexpr DWORD EXIT_TIMEOUT_MS = 15000;

} // namespace

std::optional<int> PingValue(const std::string& cell)
{
    if (cell == "N/A")
        return 9999;
    if (cell.empty() || cell.size() > 4 || cell.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(cell);
}

void CheckRows(Walk& walk, const DialogWindow& window, const std::vector<ViewRow>& expected,
               const std::string& what)
{
    walk.report.CheckEqual(DescribeRows(window.ListView(IDC_SERVER_LIST).Rows()), DescribeRows(expected),
                           what);
}

void CheckServerList(Walk& walk, const std::string& expected, const std::string& what)
{
    walk.report.CheckEqual(ReadMachineString(CONFIGURATION_KEY, SERVER_LIST_VALUE).value_or("(missing)"),
                           expected, what);
}

void CheckGateways(Walk& walk, const std::vector<std::string>& expected, const std::string& what)
{
    auto shown = [](const std::string& data) {
        std::string text;
        for (char c : data)
            text += c == '\0' ? std::string("\\0") : std::string(1, c);
        return text;
    };
    walk.report.CheckEqual(shown(ReadUserMultiString(GATEWAYS_KEY, GATEWAYS_VALUE).value_or("(missing)")),
                           shown(MultiString(expected)), what);
}

std::string LocalGatewayZone()
{
    TIME_ZONE_INFORMATION zone{};
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID)
        zone.Bias = 0;
    const long bias = zone.Bias;
    return std::to_string((bias >= 0 ? bias + 30 : bias - 30) / 60);
}

void CheckPrivateFile(Walk& walk, const std::string& expected, const std::string& what)
{
    walk.report.CheckEqual(ReadWholeFile(PrivateListPath()).value_or("(no file)"), expected, what);
}

void CheckEditButtons(Walk& walk, const DialogWindow& window, bool enabled)
{
    const std::string state = enabled ? "enabled" : "disabled";
    walk.report.Check(window.IsEnabled(IDC_ADD_SERVER) == enabled, "\"Add Server\" is " + state);
    walk.report.Check(window.IsEnabled(IDC_DELETE_SERVER) == enabled, "\"Delete Server\" is " + state);
}

void AnswerMessageBox(Walk& walk, VelnorRun& run, const std::string& expected, const std::string& picture)
{
    DialogWindow box = WaitForOwnedWindow(run.window, run.process, "Velnor");
    walk.report.CheckEqual(box.ItemText(MESSAGE_BOX_TEXT_ID), expected, "a message box says so");
    walk.screenshots.Take(picture, {box.Handle()});
    CloseWithOk(walk, box, "the message box");
}

void CloseWithOk(Walk& walk, const DialogWindow& dialog, const std::string& what)
{
    dialog.PressWithoutWaiting(IDOK);
    walk.report.Check(dialog.WaitUntilClosed(), "OK closes " + what);
}

void CloseThroughCloseBox(Walk& walk, VelnorRun& run)
{
    run.window.SystemCommand(SC_CLOSE);
    walk.report.Check(run.process.WaitForExit(EXIT_TIMEOUT_MS), "the close box ends Velnor");
}
