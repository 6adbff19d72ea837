#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_code_page.h"
#include "fakes/fake_file_store.h"
#include "fakes/fake_user.h"
#include "lists/private_list_file.h"
#include "lists/private_list_format.h"
#include "lists/server_list.h"
#include "ui/show_answer.h"

namespace {

const std::string PATH = "C:\\WINDOWS\\VELNOR.INI";

struct Server {
    std::string name;
    std::string description;
    bool operator==(const Server& other) const
    {
        return name == other.name && description == other.description;
    }
};

void PrintTo(const Server& server, std::ostream* out)
{
    *out << "{\"" << server.name << "\", \"" << server.description << "\"}";
}

std::vector<Server> Servers(const CServerList& list)
{
    std::vector<Server> servers;
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        servers.push_back({list.GetAt(i).serverName, list.GetAt(i).description});
    return servers;
}

TEST(PrivateListLine, NameIsPaddedToTwentyOneCharactersOrFollowedByOneSpace)
{
    EXPECT_EQ(FormatPrivateListLine({"gamehost", "Clan server", 5}), "gamehost             Clan server\r\n");
    EXPECT_EQ(FormatPrivateListLine({std::string(20, 'n'), "d", 0}), std::string(20, 'n') + " d\r\n");
    EXPECT_EQ(FormatPrivateListLine({std::string(21, 'n'), "d", 0}), std::string(21, 'n') + " d\r\n");
    EXPECT_EQ(FormatPrivateListLine({std::string(30, 'n'), "d", 0}), std::string(30, 'n') + " d\r\n");
    EXPECT_EQ(FormatPrivateListLine({"", "", 0}), std::string(21, ' ') + "\r\n");
}

TEST(PrivateListLine, ParsesNameUpToTheFirstSpaceAndTheRestWithoutLeadingWhiteSpace)
{
    struct Case {
        std::string line;
        Server server;
    } cases[] = {
        {"gamehost             Clan server", {"gamehost", "Clan server"}},
        {"host \t  several   spaces inside  ", {"host", "several   spaces inside  "}},
        {"alone", {"alone", ""}},
        {"alone\t\v\f\r\n", {"alone", ""}},
        {"end \r", {"end", ""}},
        {" leading", {"", "leading"}},
        {"", {"", ""}},
        {std::string(21, ' '), {"", ""}},
        {"tab\tname rest", {"tab\tname", "rest"}},
    };
    for (const Case& c : cases) {
        ServerEntry entry = ParsePrivateListLine(c.line);
        EXPECT_EQ((Server{entry.serverName, entry.description}), c.server) << "line: " << c.line;
        EXPECT_EQ(entry.pingTime, 0);
    }
}

TEST(PrivateListLines, EndAtCarriageReturnNewlineOrBoth)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitPrivateListLines(""), Lines{});
    EXPECT_EQ(SplitPrivateListLines("a\n"), Lines{"a\n"});
    EXPECT_EQ(SplitPrivateListLines("a\nlast"), (Lines{"a\n", "last"}));
    EXPECT_EQ(SplitPrivateListLines("a\r\nb\r\n"), (Lines{"a\r\n", "b\r\n"}));
    EXPECT_EQ(SplitPrivateListLines("a\r\r\n"), (Lines{"a\r", "\r\n"}));
    EXPECT_EQ(SplitPrivateListLines("\n\n"), (Lines{"\n", "\n"}));
    EXPECT_EQ(SplitPrivateListLines("mid\rline\n"), (Lines{"mid\r", "line\n"}));
    EXPECT_EQ(SplitPrivateListLines("one\rtwo\rthree"), (Lines{"one\r", "two\r", "three"}));
}

struct PrivateListFileTest : ::testing::Test {
    std::vector<Server> Load()
    {
        list.RemoveAll();
        Keep(file.LoadPrivateList(list));
        return Servers(list);
    }
    void Save(const std::vector<Server>& servers)
    {
        CServerList toSave;
        for (const Server& server : servers)
            toSave.Add({server.name, server.description, 42});
        Keep(file.SavePrivateList(toSave));
    }

    FakeFileStore files;
    FakeCodePage codePage;
    FakeUser user;
    void Keep(const Answer& shown) { ShowAnswer(user, shown); }

    std::vector<std::string>& messages = user.messages;
    PrivateListFile file{files, codePage};
    CServerList list;
};

TEST_F(PrivateListFileTest, LivesInTheWindowsDirectoryOrTheRootWithoutOne)
{
    EXPECT_EQ(file.Path(), PATH);
    files.windowsDirectory = "";
    EXPECT_EQ(file.Path(), "\\VELNOR.INI");
}

TEST_F(PrivateListFileTest, SavedServersReadBackTheSameWithoutTheirTimes)
{
    std::vector<Server> servers = {{"gamehost", "Clan server"},
                                   {std::string(20, 'a'), "twenty"},
                                   {std::string(21, 'b'), "twenty-one"},
                                   {std::string(40, 'c'), "forty, trailing spaces kept  "},
                                   {"", ""},
                                   {"127.0.0.1", ""},
                                   {"", "no name"}};
    Save(servers);
    EXPECT_EQ(files.files[PATH].substr(0, 34), "gamehost             Clan server\r\n");
    EXPECT_EQ(Load(), servers);
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        EXPECT_EQ(list.GetAt(i).pingTime, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrivateListFileTest, ReadsHandWrittenFiles)
{
    files.files[PATH] = "alone\n"
                        " starts with a space\n"
                        "\n"
                        "host    several spaces\r\n"
                        "last-without-newline";
    EXPECT_EQ(Load(), (std::vector<Server>{{"alone", ""},
                                           {"", "starts with a space"},
                                           {"", ""},
                                           {"host", "several spaces"},
                                           {"last-without-newline", ""}}));
}

TEST_F(PrivateListFileTest, LongLinesAreReadWhole)
{
    const std::string name(100, 'n');
    const std::string description(200, 'd');
    files.files[PATH] = name + " " + description + "\n";
    EXPECT_EQ(Load(), (std::vector<Server>{{name, description}}));
}

TEST_F(PrivateListFileTest, AMissingFileIsCreatedEmptyWithoutAWord)
{
    EXPECT_TRUE(Load().empty());
    EXPECT_EQ(files.files.at(PATH), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrivateListFileTest, AFileThatCanBeNeitherReadNorCreatedIsReported)
{
    files.failCreate = true;
    EXPECT_TRUE(Load().empty());
    EXPECT_EQ(messages, std::vector<std::string>{"Can't create " + PATH});
}

TEST_F(PrivateListFileTest, AnExistingUnreadableFileIsNeverEmptied)
{
    files.files[PATH] = "precious x\n";
    files.unreadable = true;
    EXPECT_TRUE(Load().empty());
    EXPECT_EQ(files.files[PATH], "precious x\n");
    EXPECT_EQ(messages, std::vector<std::string>{"Can't create " + PATH});
}

TEST_F(PrivateListFileTest, SavingAnEmptyListLeavesAnEmptyFile)
{
    files.files[PATH] = "old x\n";
    Save({});
    EXPECT_EQ(files.files[PATH], "");
}

TEST_F(PrivateListFileTest, AFailedSaveKeepsTheOldFileAndTellsTheUser)
{
    files.files[PATH] = "old x\r\n";
    files.failReplace = true;
    Save({{"new", "y"}});
    EXPECT_EQ(files.files[PATH], "old x\r\n");
    EXPECT_EQ(messages, std::vector<std::string>{"Can't create " + PATH});
}

TEST_F(PrivateListFileTest, MoreThanAHundredLinesShowTheFirstHundredAndSavesKeepTheRest)
{
    std::string text;
    for (int i = 0; i < 130; ++i)
        text += "s" + std::to_string(i) + "   line " + std::to_string(i) + "\r\n";
    files.files[PATH] = text;

    std::vector<Server> shown = Load();
    ASSERT_EQ(shown.size(), 100u);
    EXPECT_EQ(shown.back(), (Server{"s99", "line 99"}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("first 100"), std::string::npos);

    // The user deletes the first server: the 101st line moves up, no line
    // beyond is lost or rewritten.
    shown.erase(shown.begin());
    Save(shown);
    std::string saved = files.files[PATH];
    EXPECT_EQ(saved.substr(saved.find("s100 ")), text.substr(text.find("s100 ")));
    std::vector<Server> reloaded = Load();
    EXPECT_EQ(reloaded.front(), (Server{"s1", "line 1"}));
    EXPECT_EQ(reloaded.back(), (Server{"s100", "line 100"}));
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(PrivateListFileTest, ALoadForgetsTheLinesBeyondAnEarlierLoad)
{
    std::string text;
    for (int i = 0; i < 101; ++i)
        text += "s" + std::to_string(i) + "\n";
    files.files[PATH] = text;
    Load();
    files.files[PATH] = "short x\n";
    Load();
    list.Add({"added", "y", 0});
    Keep(file.SavePrivateList(list));
    EXPECT_EQ(files.files[PATH], "short x\n" + FormatPrivateListLine({"added", "y", 0}));
}

TEST_F(PrivateListFileTest, AListNotEditedSinceItWasReadIsNotWrittenBack)
{
    const std::string text = "unix  padded   oddly\nlast-without-newline";
    files.files[PATH] = text;
    Load();
    files.calls.clear();
    list.entries[0].pingTime = 35;
    Keep(file.SavePrivateList(list));
    EXPECT_TRUE(files.calls.empty());
    EXPECT_EQ(files.files[PATH], text);
    // An edit is written, and afterwards the same list is not again.
    list.RemoveAll();
    list.Add({"only", "one", 0});
    Keep(file.SavePrivateList(list));
    Keep(file.SavePrivateList(list));
    EXPECT_EQ(files.calls, std::vector<std::string>{"write " + PATH});
}

TEST_F(PrivateListFileTest, ALoneCarriageReturnEndsALine)
{
    files.files[PATH] = "cr\rname desc\r\r\nend\r";
    EXPECT_EQ(Load(), (std::vector<Server>{{"cr", ""}, {"name", "desc"}, {"", ""}, {"end", ""}}));
}

TEST_F(PrivateListFileTest, AnEditKeepsEveryOtherLineByteForByte)
{
    files.files[PATH] = "unix  padded   oddly\ncr\rgone x\n\nlast-without-newline";
    Load();
    CServerList edited;
    for (int i : {0, 1, 3, 4})
        edited.Add(list.GetAt(i));
    edited.Add({"added", "", 0});
    Keep(file.SavePrivateList(edited));
    // A carriage return alone before an empty line would end one line.
    EXPECT_EQ(files.files[PATH],
              "unix  padded   oddly\ncr\r\n\nlast-without-newline\r\nadded                \r\n");
}

TEST_F(PrivateListFileTest, AReadOnlyFileThatWouldNotChangeIsNeitherWrittenNorReported)
{
    files.files[PATH] = "same                 x\r\n";
    files.readOnly.insert(PATH);
    Load();
    // Deleted and added back, the server's line is the file's again.
    list.RemoveAll();
    list.Add({"same", "x", 30});
    Keep(file.SavePrivateList(list));
    EXPECT_TRUE(messages.empty());
    list.Add({"new", "y", 0});
    Keep(file.SavePrivateList(list));
    EXPECT_EQ(messages, std::vector<std::string>{"Can't create " + PATH});
}

TEST(PrivateListEncoding, UnicodeIsReadAsUtf8OnlyWhereItIsValidUtf8)
{
    const std::string mark = "\xEF\xBB\xBF";
    const auto expect = [](PrivateListEncoding encoding, const std::vector<std::string>& files) {
        for (const std::string& bytes : files) {
            const PrivateListText file = DecodePrivateListFile(bytes);
            EXPECT_EQ(file.encoding, encoding) << bytes;
            EXPECT_EQ(EncodePrivateListFile(file), bytes);
        }
    };
    expect(PrivateListEncoding::Utf8, {mark + "ascii", "caf\xC3\xA9", "\xF0\x9F\x98\x80"});
    // Plain ASCII, Latin-1, an overlong form, a surrogate, beyond U+10FFFF, cut short.
    expect(PrivateListEncoding::Ansi, {"ascii", "caf\xE9", mark + "caf\xE9", "\xC0\xAF", "\xED\xA0\x80",
                                       "\xF4\x90\x80\x80", "\xE2\x82"});
}

// Written by Notepad: "café.example", "Café über 😀", and Cyrillic that
// the Latin-1 code page cannot show.
TEST_F(PrivateListFileTest, AUtf8FileIsShownThroughTheCodePageAndKeepsItsBytesThroughAnAdd)
{
    for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
        const std::string text = mark + "caf\xC3\xA9.example Caf\xC3\xA9 \xC3\xBC"
                                        "ber \xF0\x9F\x98\x80\r\n"
                                        "plain x\r\n"
                                        "ru \xD0\x9F\xD1\x80\xD0\xB8\n";
        files.files[PATH] = text;
        EXPECT_EQ(Load(), (std::vector<Server>{{"caf\xE9.example", "Caf\xE9 \xFC"
                                                                   "ber ??"},
                                               {"plain", "x"},
                                               {"ru", "???"}}));
        EXPECT_EQ(list.GetAt(0).serverNameUtf16, u"caf\u00E9.example");
        EXPECT_EQ(list.GetAt(0).descriptionUtf16, u"Caf\u00E9 \u00FC"
                                                  "ber \U0001F600");
        EXPECT_TRUE(list.GetAt(1).serverNameUtf16.empty() && list.GetAt(1).descriptionUtf16.empty());
        EXPECT_EQ(list.GetAt(2).descriptionUtf16, u"\u041F\u0440\u0438");
        list.Add({"added", "\xE9t\xE9", 0});
        Keep(file.SavePrivateList(list));
        EXPECT_EQ(files.files[PATH], text + "added                \xC3\xA9t\xC3\xA9\r\n");
    }
    EXPECT_TRUE(messages.empty());
}

std::string Utf16(const std::string& ascii, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii)
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

TEST_F(PrivateListFileTest, AUtf16FileIsShownWithAMessageAndNeverWritten)
{
    for (bool bigEndian : {false, true}) {
        const std::string text = Utf16("gamehost Clan server\r\nother\r\n", bigEndian) + "\xE9";
        files.files[PATH] = text;
        messages.clear();
        EXPECT_EQ(Load(), (std::vector<Server>{{"gamehost", "Clan server"}, {"other", ""}}));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find("Unicode"), std::string::npos);
        list.RemoveAll();
        list.Add({"edited", "", 0});
        Keep(file.SavePrivateList(list));
        EXPECT_EQ(messages.size(), 2u);
        EXPECT_EQ(files.files[PATH], text);
    }
}

TEST_F(PrivateListFileTest, AUtf16NameOutsideAsciiShowsAsQuestionMarks)
{
    files.files[PATH] = std::string("\xFF\xFE"
                                    "a\0"
                                    "\xE9\0"
                                    "\x3D\xD8"
                                    "\x00\xDE"
                                    " \0"
                                    "b\0",
                                    14);
    EXPECT_EQ(Load(), (std::vector<Server>{{"a??", "b"}}));
}

} // namespace
