#include "lists_commands_fixture.h"

namespace {

using Names = std::vector<std::string>;

TEST_F(ListCommandsTest, StartsOnThePublicListUnsortedWithEditingDisabled)
{
    EXPECT_EQ(ShownServers(), (Names{"127.0.0.1", "127.0.0.2"}));
    EXPECT_FALSE(commands.IsPrivateListCurrent());
    EXPECT_FALSE(EditingEnabled());
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(ListCommandsTest, PrivateServersShowsTheFileInItsOrderAndEnablesEditing)
{
    commands.OnPrivateServers();
    EXPECT_EQ(ShownServers(), (Names{"127.0.0.10", "127.0.0.11", "127.0.0.12"}));
    EXPECT_EQ(view.Column(COLUMN_DESCRIPTION), (Names{"ten", "eleven", "twelve"}));
    EXPECT_EQ(view.Column(COLUMN_PING), (Names{"0", "0", "0"}));
    EXPECT_TRUE(commands.IsPrivateListCurrent());
    EXPECT_TRUE(EditingEnabled());
    // Coming from the public list, nothing is written.
    EXPECT_EQ(Saves(), 0);
}

TEST_F(ListCommandsTest, BlizzardServersWritesNothingOfAPrivateListNotEdited)
{
    files.files[PATH] = "127.0.0.10 ten\n127.0.0.11\televen\n";
    commands.OnPrivateServers();
    PingShownList({{"127.0.0.10", 80}});
    commands.OnBlizzardServers();
    EXPECT_EQ(Saves(), 0);
    EXPECT_EQ(File(), "127.0.0.10 ten\n127.0.0.11\televen\n");
    EXPECT_EQ(ShownServers(), (Names{"127.0.0.1", "127.0.0.2"}));
    EXPECT_FALSE(commands.IsPrivateListCurrent());
    EXPECT_FALSE(EditingEnabled());
}

TEST_F(ListCommandsTest, BlizzardServersOnThePublicListRefillsAndSortsFromMemory)
{
    registry.reads.clear();
    view.rows[0][COLUMN_PING] = "stale";
    commands.OnBlizzardServers();
    EXPECT_EQ(ShownServers(), (Names{"127.0.0.1", "127.0.0.2"}));
    EXPECT_EQ(view.Column(COLUMN_PING), (Names{"0", "0"}));
    EXPECT_TRUE(registry.reads.empty());
    EXPECT_EQ(Saves(), 0);
}

TEST_F(ListCommandsTest, BlizzardServersShowsThePublicListSortedByItsMeasuredTimes)
{
    PingShownList({{"127.0.0.1", 50}, {"127.0.0.2", 20}});
    ASSERT_EQ(ShownServers(), (Names{"127.0.0.2", "127.0.0.1"}));

    commands.OnPrivateServers();
    commands.OnBlizzardServers();
    EXPECT_EQ(ShownServers(), (Names{"127.0.0.2", "127.0.0.1"}));
    EXPECT_EQ(view.Column(COLUMN_PING), (Names{"20", "50"}));
}

TEST_F(ListCommandsTest, PrivateServersOnThePrivateListRereadsDroppingTimes)
{
    commands.OnPrivateServers();
    PingShownList({{"127.0.0.10", 80}});
    commands.OnAddServer(); // cancelled: nothing changes
    user.typed.push_back({"127.0.0.13", "thirteen"});
    commands.OnAddServer();
    ASSERT_EQ(Saves(), 1);

    // The Add saved the list: there is nothing left to write.
    commands.OnPrivateServers();
    EXPECT_EQ(Saves(), 1);
    EXPECT_EQ(ShownServers(), (Names{"127.0.0.10", "127.0.0.11", "127.0.0.12", "127.0.0.13"}));
    EXPECT_EQ(view.Column(COLUMN_PING), (Names{"0", "0", "0", "0"}));
    EXPECT_TRUE(EditingEnabled());
}

TEST_F(ListCommandsTest, APrivateFileThatCannotBeCreatedShowsAnEmptyListAndTheMessage)
{
    files.files.clear();
    files.failCreate = true;
    commands.OnPrivateServers();
    EXPECT_TRUE(ShownServers().empty());
    EXPECT_EQ(user.messages, Names{std::string("Can't create ") + PATH});
    EXPECT_TRUE(EditingEnabled());
}

} // namespace
