#include "lists_commands_fixture.h"
#include "ui/command_keys.h"

namespace {

using Names = std::vector<std::string>;

TEST(CommandKeys, GiveTheirButtonsCommandsOnlyWithTheirOwnModifiers)
{
    const struct {
        KeyPress key;
        int command;
    } keys[] = {
        {{VIRTUAL_KEY_DELETE}, IDC_DELETE_SERVER}, {{VIRTUAL_KEY_F5}, IDC_PING},
        {{VIRTUAL_KEY_C, true}, IDM_COPY_SERVER},  {{VIRTUAL_KEY_C}, 0},
        {{VIRTUAL_KEY_C, true, true}, 0},          {{VIRTUAL_KEY_F5, true}, 0},
    };
    for (const auto& row : keys)
        EXPECT_EQ(CommandOfKey(row.key), row.command) << row.key.virtualKey << " " << row.key.control;
}

// The name of the entry that the selected row shows, wherever a sort put it.
TEST_F(ListCommandsTest, CopyPutsTheSelectedRowsServerNameOnTheClipboard)
{
    EXPECT_TRUE(commands.OnCommand(IDM_COPY_SERVER));
    EXPECT_TRUE(clipboard.copied.empty()) << "nothing is selected";
    PingShownList({{"127.0.0.2", 20}});
    ASSERT_EQ(ShownServers(), (Names{"127.0.0.2", "127.0.0.1"}));
    view.selected = 0;
    commands.OnCommand(IDM_COPY_SERVER);
    EXPECT_EQ(clipboard.copied, Names{"127.0.0.2"});
}

} // namespace
