#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_user.h"
#include "lists/private_list_file.h"
#include "lists/server_list.h"
#include "platform/code_page_win32.h"
#include "platform/file_store_win32.h"
#include "ui/show_answer.h"

namespace {

std::optional<std::string> Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The real "VELNOR.INI" of the prefix's Windows directory; whatever the
// test found there is put back afterwards.
class PrivateListFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override
    {
        path = file.Path();
        previous = Bytes(path);
        DeleteFileA(path.c_str());
    }
    void TearDown() override
    {
        DeleteFileA((path + ".new").c_str());
        RemoveDirectoryA((path + ".new").c_str());
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
        if (previous)
            PutBytes(path, *previous);
    }

    std::vector<std::string> Names()
    {
        CServerList list;
        Keep(file.LoadPrivateList(list));
        std::vector<std::string> names;
        for (int i = 0; i <= list.GetUpperBound(); ++i)
            names.push_back(list.GetAt(i).serverName + "|" + list.GetAt(i).description);
        return names;
    }
    void SaveOne(const std::string& name, const std::string& description)
    {
        CServerList list;
        list.Add({name, description, 0});
        Keep(file.SavePrivateList(list));
    }

    FakeClock clock;
    Win32FileStore files{clock};
    Win32CodePage codePage;
    FakeUser user;
    void Keep(const Answer& shown) { ShowAnswer(user, shown); }

    std::vector<std::string>& messages = user.messages;
    PrivateListFile file{files, codePage};
    std::string path;
    std::optional<std::string> previous;
};

TEST_F(PrivateListFileOnDisk, LivesInTheWindowsDirectory)
{
    char windows[MAX_PATH] = "";
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    EXPECT_EQ(lstrcmpiA(files.WindowsDirectory().c_str(), windows), 0);
    EXPECT_EQ(lstrcmpiA(path.c_str(), (std::string(windows) + "\\VELNOR.INI").c_str()), 0);
}

TEST_F(PrivateListFileOnDisk, AMissingFileIsCreatedEmptyAtTheFirstLoad)
{
    EXPECT_TRUE(Names().empty());
    EXPECT_EQ(Bytes(path), std::string());
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrivateListFileOnDisk, LinesEndInCarriageReturnAndNewlineOnDisk)
{
    SaveOne("gamehost", "Clan server");
    EXPECT_EQ(Bytes(path), "gamehost             Clan server\r\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"gamehost|Clan server"});
    EXPECT_FALSE(Exists(path + ".new"));
}

TEST_F(PrivateListFileOnDisk, FilesWithEitherLineEndReadTheSame)
{
    PutBytes(path, "unix   one\nwindows   two\r\nlast");
    EXPECT_EQ(Names(), (std::vector<std::string>{"unix|one", "windows|two", "last|"}));
}

TEST_F(PrivateListFileOnDisk, CreatingAnEmptyFileNeverEmptiesAnExistingOne)
{
    PutBytes(path, "kept x\r\n");
    EXPECT_FALSE(files.CreateEmptyFile(path));
    EXPECT_EQ(Bytes(path), "kept x\r\n");
}

TEST_F(PrivateListFileOnDisk, ASaveThatCannotWriteItsNewFileKeepsTheOldOne)
{
    PutBytes(path, "old x\r\n");
    ASSERT_TRUE(CreateDirectoryA((path + ".new").c_str(), nullptr));
    SaveOne("new", "y");
    EXPECT_EQ(Bytes(path), "old x\r\n");
    EXPECT_EQ(messages, std::vector<std::string>{"Can't create " + path});
}

TEST_F(PrivateListFileOnDisk, ASaveThatCannotReplaceTheFileAfterWritingKeepsItWhole)
{
    PutBytes(path, "old x\r\n");
    // Another program holds the file open and lets nobody delete or rename
    // it: the new text is written in full, then cannot take its place.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(files.WriteWholeFile(path, "new y\n"));
    CloseHandle(held);
    EXPECT_EQ(Bytes(path), "old x\r\n");
    EXPECT_FALSE(Exists(path + ".new"));
    // It tried again for about a second first.
    EXPECT_GE(clock.now, 1000u);
    EXPECT_LT(clock.now, 1100u);
}

TEST_F(PrivateListFileOnDisk, AReplacementWaitsForAProgramThatHoldsTheFileAMoment)
{
    PutBytes(path, "old x\r\n");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    clock.afterSleep = [&held] {
        CloseHandle(held);
        held = INVALID_HANDLE_VALUE;
    };
    EXPECT_TRUE(files.WriteWholeFile(path, "new y\n"));
    EXPECT_EQ(clock.sleeps.size(), 1u);
    EXPECT_EQ(Bytes(path), "new y\n");
}

TEST_F(PrivateListFileOnDisk, AReadOnlyFileIsNeverReplaced)
{
    PutBytes(path, "old x\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    SaveOne("new", "y");
    EXPECT_EQ(Bytes(path), "old x\r\n");
    EXPECT_EQ(messages, std::vector<std::string>{"Can't create " + path});
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Exists(path + ".new"));
}

TEST_F(PrivateListFileOnDisk, WithoutTheVariableTheFileIsInTheRootOfTheDrive)
{
    std::string windows = files.WindowsDirectory();
    _putenv("WinDir=");
    EXPECT_EQ(file.Path(), "\\VELNOR.INI");
    _putenv(("WinDir=" + windows).c_str());
    EXPECT_EQ(file.Path(), path);
}

} // namespace
