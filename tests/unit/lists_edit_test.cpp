#include "lists_commands_fixture.h"

#include "ping/ping_time.h"

namespace {

using Names = std::vector<std::string>;

struct EditCommandsTest : ListCommandsTest {
    EditCommandsTest()
    {
        commands.OnPrivateServers();
        files.calls.clear();
    }
};

TEST_F(EditCommandsTest, AddAppendsTheServerUnsortedAndSavesAtOnce)
{
    PingShownList({{"127.0.0.12", 15}});
    ASSERT_EQ(ShownServers(), (Names{"127.0.0.12", "127.0.0.10", "127.0.0.11"}));
    user.typed.push_back({"127.0.0.20", "twenty  "});
    commands.OnAddServer();
    EXPECT_EQ(ShownServers(), (Names{"127.0.0.10", "127.0.0.11", "127.0.0.12", "127.0.0.20"}));
    EXPECT_EQ(view.Column(COLUMN_PING), (Names{"N/A", "N/A", "15", "0"}));
    EXPECT_EQ(Saves(), 1);
    EXPECT_EQ(File().substr(File().rfind("127.0.0.20")), "127.0.0.20           twenty  \r\n");
    EXPECT_TRUE(user.refusal.empty());
}

TEST_F(EditCommandsTest, AnEmptyNameIsRefusedWithItsOwnMessageAndBlanksAroundANameGo)
{
    for (const char* name : {"", " \t "}) {
        user.typed.push_back({name, ""});
        commands.OnAddServer();
        EXPECT_EQ(user.refusal, "A server name cannot be empty.");
    }
    // Typed as Latin-1 can hold it: the code page's text is all there is.
    user.typed.push_back({" \t127.0.0.20  ", " caf\xE9 ", 0, GAME_PORT_UNMEASURED, u"", u" caf\u00E9 "});
    commands.OnAddServer();
    const ServerEntry added = commands.CurrentList().GetAt(3);
    EXPECT_EQ(added.serverName, "127.0.0.20");
    EXPECT_EQ(added.description, " caf\xE9 ");
    EXPECT_TRUE(added.descriptionUtf16.empty());
}

TEST_F(EditCommandsTest, CancelChangesNothingAndWritesNothing)
{
    commands.OnAddServer();
    EXPECT_EQ(user.prompts, 1);
    EXPECT_EQ(ShownServers().size(), 3u);
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(EditCommandsTest, AddOnThePublicListDoesNothing)
{
    commands.OnBlizzardServers();
    files.calls.clear();
    user.typed.push_back({"127.0.0.20", ""});
    commands.OnAddServer();
    EXPECT_EQ(user.prompts, 0);
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(EditCommandsTest, AddRefusesWhatTheFileOrTheGamesCannotTake)
{
    std::vector<ServerEntry> refused = {{"two words", ""},     {"tab\tbed", ""},
                                        {" inside out ", ""},  {std::string(128, 'n'), ""},
                                        {"ok", "line\nbreak"}, {"ok", "carriage\rreturn"}};
    // Cyrillic, which Latin-1 cannot hold.
    refused.push_back({"ok", "?", 0, GAME_PORT_UNMEASURED, u"", u"\u0416"});
    for (const ServerEntry& server : refused) {
        user.typed.push_back(server);
        commands.OnAddServer();
        EXPECT_FALSE(user.refusal.empty()) << server.serverName << "/" << server.description;
    }
    EXPECT_EQ(ShownServers().size(), 3u);
    EXPECT_TRUE(files.calls.empty());

    user.typed.push_back({std::string(127, 'n'), "  spaces and\ttabs are fine here "});
    commands.OnAddServer();
    EXPECT_TRUE(user.refusal.empty());
    EXPECT_EQ(ShownServers().size(), 4u);
}

TEST_F(EditCommandsTest, AddRefusesAHundredAndFirstServer)
{
    for (int i = 3; i < MAX_SERVERS; ++i) {
        user.typed.push_back({"s" + std::to_string(i), ""});
        commands.OnAddServer();
    }
    ASSERT_EQ(ShownServers().size(), 100u);
    ASSERT_TRUE(user.refusal.empty());
    files.calls.clear();
    user.typed.push_back({"one-too-many", ""});
    commands.OnAddServer();
    EXPECT_NE(user.refusal.find("100"), std::string::npos);
    EXPECT_EQ(ShownServers().size(), 100u);
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(EditCommandsTest, DeleteWithoutSelectionDoesNothingNotEvenASave)
{
    commands.OnDeleteServer();
    EXPECT_EQ(ShownServers().size(), 3u);
    EXPECT_EQ(view.repaints, 0);
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(EditCommandsTest, DeleteAfterASortStoresTheShownOrderAndKeepsTheTimes)
{
    network.ports[FakeNetwork::Address(127, 0, 0, 10)] = {PortOutcome::Refused, 0};
    PingShownList({{"127.0.0.11", 40}, {"127.0.0.12", 15}});
    ASSERT_EQ(ShownServers(), (Names{"127.0.0.12", "127.0.0.11", "127.0.0.10"}));
    view.selected = 1;
    view.repaints = 0;

    commands.OnDeleteServer();
    EXPECT_EQ(view.repaints, 1);
    EXPECT_EQ(ShownServers(), (Names{"127.0.0.12", "127.0.0.10"}));
    EXPECT_EQ(view.Column(COLUMN_DESCRIPTION), (Names{"twelve", "ten"}));
    EXPECT_EQ(view.Column(COLUMN_PING), (Names{"15", "N/A"}));
    EXPECT_EQ(view.Column(COLUMN_GAME_PORT), (Names{"N/A", "Closed"}));
    EXPECT_EQ(commands.CurrentList().GetAt(1).pingTime, PING_UNREACHABLE);
    EXPECT_EQ(commands.CurrentList().GetAt(1).gamePortTime, GAME_PORT_CLOSED);
    EXPECT_EQ(File(), "127.0.0.12           twelve\r\n"
                      "127.0.0.10           ten\r\n");
}

TEST_F(EditCommandsTest, DeleteKeepsTheOtherServersExactlyNulBytesIncluded)
{
    commands.OnBlizzardServers();
    const std::string kept = std::string("a\0hidden", 8) + std::string(13, ' ') + "first\r\n" +
                             std::string("b") + std::string(20, ' ') + std::string("second\0tail\r\n", 13);
    files.files[PATH] = kept + "c                    third\r\n";
    commands.OnPrivateServers();
    PingShownList({{"a", 30}, {"b", 20}, {"c", 5}});
    ASSERT_EQ(ShownServers(), (Names{"c", "b", "a"}));
    view.selected = 0;
    commands.OnDeleteServer();
    EXPECT_EQ(File(), kept.substr(kept.find('b')) + kept.substr(0, kept.find('b')));
    EXPECT_EQ(view.Column(COLUMN_PING), (Names{"20", "30"}));
}

TEST_F(EditCommandsTest, DeletingTheOnlyRowLeavesAnEmptyListAndFile)
{
    commands.OnBlizzardServers();
    files.files[PATH] = "only x\r\n";
    commands.OnPrivateServers();
    view.selected = 0;
    commands.OnDeleteServer();
    EXPECT_TRUE(ShownServers().empty());
    EXPECT_EQ(commands.CurrentList().GetUpperBound(), -1);
    EXPECT_EQ(File(), "");
}

TEST_F(EditCommandsTest, DeleteOnThePublicListLeavesThePrivateFileAlone)
{
    commands.OnBlizzardServers();
    files.calls.clear();
    view.selected = 0;
    commands.OnDeleteServer();
    EXPECT_EQ(ShownServers(), (Names{"127.0.0.1", "127.0.0.2"}));
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(EditCommandsTest, AFailedSaveKeepsTheEditInMemoryAndOnScreen)
{
    files.failReplace = true;
    user.typed.push_back({"127.0.0.20", ""});
    commands.OnAddServer();
    EXPECT_EQ(ShownServers().back(), "127.0.0.20");
    EXPECT_EQ(user.messages, Names{std::string("Can't create ") + PATH});
    EXPECT_EQ(File().find("127.0.0.20"), std::string::npos);
}

TEST_F(EditCommandsTest, AReadOnlyFileIsNeverReplaced)
{
    const std::string before = File();
    files.readOnly.insert(PATH);
    user.typed.push_back({"127.0.0.20", ""});
    commands.OnAddServer();
    EXPECT_EQ(File(), before);
    EXPECT_EQ(user.messages, Names{std::string("Can't create ") + PATH});
    EXPECT_EQ(ShownServers().back(), "127.0.0.20");
}

} // namespace
