#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gateway_lines.h"
#include "lists/default_server_list.h"
#include "lists/public_list.h"
#include "lists/server_list.h"
#include "lists/server_list_value.h"
#include "platform/code_page_win32.h"
#include "platform/file_associations_win32.h"
#include "platform/registry_win32.h"
#include "test_registry.h"

namespace {

const char* const TEST_KEY = "Software\\Velnor Registry Test";
const char* const MISSING_KEY = "Software\\Velnor Registry Test\\Missing";
const RegistryRoot HKLM = RegistryRoot::LocalMachine;

// Runs the system's own reg.exe, as a person would at a prompt, with its
// output discarded; gives its exit code, 0 when it did what it was asked.
DWORD RunReg(const std::string& arguments)
{
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE discard =
        CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = discard;
    PROCESS_INFORMATION process{};
    std::string commandLine = "reg.exe " + arguments;
    DWORD exitCode = 255;
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(discard);
    return exitCode;
}

// Whether the system keeps a 64-bit view of the registry beside the games'
// one: 64-bit Windows, or a 64-bit Wine prefix.
bool HasA64BitView()
{
#ifdef _WIN64
    return true;
#else
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

// A key of the test's own below HKEY_LOCAL_MACHINE, in the games' view,
// removed afterwards.
class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, TEST_KEY, 0, nullptr, 0, KEY_ALL_ACCESS | GAMES_VIEW,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void TearDown() override
    {
        DeleteGamesKey(HKEY_LOCAL_MACHINE, MISSING_KEY);
        DeleteGamesKey(HKEY_LOCAL_MACHINE, TEST_KEY);
    }

    static bool KeyExists(const char* path)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ | GAMES_VIEW, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    // The stored type and size of a value, as the registry reports them.
    static void StoredTypeAndSize(const char* valueName, DWORD& type, DWORD& size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, TEST_KEY, 0, KEY_READ | GAMES_VIEW, &key), ERROR_SUCCESS);
        size = 0;
        EXPECT_EQ(RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    Win32Registry registry;
};

TEST_F(RegistryTest, AWriteReadsBackAndIsStoredAsRegSzWithItsTerminator)
{
    for (const std::string& text :
         {std::string("127.0.0.1;127.0.0.2"), std::string(), std::string(300, 'x')}) {
        registry.SetRegistryString(HKLM, TEST_KEY, "Value", text);
        EXPECT_EQ(registry.GetRegistryString(HKLM, TEST_KEY, "Value"), text);
        DWORD type = 0;
        DWORD size = 0;
        StoredTypeAndSize("Value", type, size);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(size, text.size() + 1);
    }
}

TEST_F(RegistryTest, AWriteIntoAMissingKeyCreatesNothing)
{
    registry.SetRegistryString(HKLM, MISSING_KEY, "Value", "127.0.0.1");
    EXPECT_FALSE(KeyExists(MISSING_KEY));
    EXPECT_EQ(registry.GetRegistryString(HKLM, MISSING_KEY, "Value"), "");
}

TEST_F(RegistryTest, MissingAndEmptyValuesBothReadAsNothingButAreToldApart)
{
    EXPECT_EQ(registry.GetRegistryString(HKLM, TEST_KEY, "Absent"), "");
    EXPECT_EQ(registry.ReadValue(HKLM, TEST_KEY, "Absent").status, RegistryReadStatus::Missing);
    EXPECT_EQ(registry.ReadValue(HKLM, MISSING_KEY, "Absent").status, RegistryReadStatus::Missing);
    registry.SetRegistryString(HKLM, TEST_KEY, "Empty", "");
    EXPECT_EQ(registry.GetRegistryString(HKLM, TEST_KEY, "Empty"), "");
    EXPECT_EQ(registry.ReadValue(HKLM, TEST_KEY, "Empty").status, RegistryReadStatus::Read);
}

TEST_F(RegistryTest, ValuesAreReadWholeWhateverTheirLength)
{
    for (size_t length : {4095u, 4096u, 70000u}) {
        const std::string text(length, 'a');
        registry.SetRegistryString(HKLM, TEST_KEY, "Long", text);
        DWORD type = 0;
        DWORD size = 0;
        StoredTypeAndSize("Long", type, size);
        ASSERT_EQ(size, length + 1);
        EXPECT_EQ(registry.GetRegistryString(HKLM, TEST_KEY, "Long"), text);
    }
}

TEST_F(RegistryTest, TypesAreKeptAndOnlyStringsReadAsText)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, TEST_KEY, 0, KEY_ALL_ACCESS | GAMES_VIEW, &key),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Unterminated", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
    const DWORD number = 7;
    RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    EXPECT_EQ(registry.GetRegistryString(HKLM, TEST_KEY, "Unterminated"), "abc");
    EXPECT_EQ(registry.GetRegistryString(HKLM, TEST_KEY, "Number"), "");
    EXPECT_EQ(registry.ReadValue(HKLM, TEST_KEY, "Number").value.type, RegistryType::Other);

    const std::string lines = Utf16MultiString({u"2000", u"01", u"127.0.0.1", u"8", u"Россия"});
    ASSERT_TRUE(registry.WriteValue(HKLM, TEST_KEY, "Lines", {RegistryType::MultiString, lines}));
    DWORD type = 0;
    DWORD size = 0;
    StoredTypeAndSize("Lines", type, size);
    EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
    const RegistryRead read = registry.ReadValue(HKLM, TEST_KEY, "Lines");
    EXPECT_EQ(read.value.type, RegistryType::MultiString);
    EXPECT_EQ(read.value.data, lines);
}

TEST_F(RegistryTest, KeyHandleOpensOnlyExistingKeysAndClosesSafely)
{
    CRegistryKey key;
    EXPECT_EQ(key.Close(), ERROR_SUCCESS);
    EXPECT_NE(key.Open(HKEY_LOCAL_MACHINE, MISSING_KEY, KEY_ALL_ACCESS | GAMES_VIEW), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(MISSING_KEY));
    ASSERT_EQ(key.Open(HKEY_LOCAL_MACHINE, TEST_KEY, KEY_ALL_ACCESS | GAMES_VIEW), ERROR_SUCCESS);
    // A second open closes the first key and keeps the new one usable.
    ASSERT_EQ(key.Open(HKEY_LOCAL_MACHINE, TEST_KEY, KEY_ALL_ACCESS | GAMES_VIEW), ERROR_SUCCESS);
    EXPECT_EQ(key.SetValue("Written", REG_SZ, std::string("text", 5)), ERROR_SUCCESS);
    char buffer[16] = "";
    DWORD size = sizeof buffer;
    DWORD type = 0;
    EXPECT_EQ(key.QueryValue(buffer, "Written", &size, &type), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "text");
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(key.Close(), ERROR_SUCCESS);
    EXPECT_EQ(key.Close(), ERROR_SUCCESS);
}

TEST_F(RegistryTest, ClassesRootIsReadThroughItsOwnRoot)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, ".velnortest", 0, nullptr, 0, KEY_ALL_ACCESS | GAMES_VIEW,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Probe", 0, REG_SZ, reinterpret_cast<const BYTE*>("classes"), 8);
    RegCloseKey(key);
    EXPECT_EQ(registry.GetRegistryString(RegistryRoot::ClassesRoot, ".velnortest", "Probe"), "classes");
    EXPECT_EQ(registry.GetRegistryString(HKLM, ".velnortest", "Probe"), "");
    DeleteGamesKey(HKEY_CLASSES_ROOT, ".velnortest");
}

// The link fallback's reads, in the build's own view of the classes: a
// default value that is absent, empty or too long reads as nothing.
TEST_F(RegistryTest, FileAssociationsReadDefaultValuesBelowClassesRoot)
{
    const std::string tooLong(300, 'x');
    const std::pair<const char*, std::string> keys[] = {
        {".velnorlink", "velnorfile"}, {".velnorlink\\long", tooLong}, {".velnorlink\\bare", ""}};
    for (const auto& [path, value] : keys) {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExA(HKEY_CLASSES_ROOT, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        if (!value.empty())
            RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
    }
    Win32FileAssociations associations;
    EXPECT_EQ(associations.ReadKeyDefaultValue(".velnorlink"), "velnorfile");
    EXPECT_EQ(associations.ReadKeyDefaultValue(".velnorlink\\long"), std::nullopt);
    EXPECT_EQ(associations.ReadKeyDefaultValue(".velnorlink\\bare"), std::nullopt);
    EXPECT_EQ(associations.ReadKeyDefaultValue(".velnorlink\\missing"), std::nullopt);
    for (const char* path : {".velnorlink\\long", ".velnorlink\\bare", ".velnorlink"})
        RegDeleteKeyA(HKEY_CLASSES_ROOT, path);
}

// The games' view is the one that "reg ... /reg:32" reaches: what it puts
// there is read, and what is written is found there. Where the system has
// a 64-bit view too, a value of the same name there is neither read nor
// written.
TEST_F(RegistryTest, TheGamesViewIsTheOneThatReg32Reaches)
{
    const std::string key = std::string("\"HKLM\\") + TEST_KEY + "\"";
    ASSERT_EQ(RunReg("add " + key + " /v Seeded /d games /reg:32 /f"), 0u);
    const bool twoViews = HasA64BitView();
    if (twoViews) {
        ASSERT_EQ(RunReg("add " + key + " /v Seeded /d other /reg:64 /f"), 0u);
    }
    EXPECT_EQ(registry.GetRegistryString(HKLM, TEST_KEY, "Seeded"), "games");

    registry.SetRegistryString(HKLM, TEST_KEY, "Written", "127.0.0.1");
    EXPECT_EQ(RunReg("query " + key + " /v Written /reg:32"), 0u);
    if (twoViews) {
        EXPECT_NE(RunReg("query " + key + " /v Written /reg:64"), 0u);
        EXPECT_EQ(RunReg("delete " + key + " /reg:64 /f"), 0u);
    }
}

// "Server List" as the games keep it; the value the test found is put
// back afterwards, or removed when there was none.
class ServerListSeeding : public ::testing::Test {
  protected:
    void SetUp() override
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, SERVER_LIST_KEY, 0, nullptr, 0,
                                  KEY_ALL_ACCESS | GAMES_VIEW, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
        DWORD type = 0;
        DWORD size = 0;
        HKEY readKey = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, SERVER_LIST_KEY, 0, KEY_READ | GAMES_VIEW, &readKey);
        m_hadValue =
            RegQueryValueExA(readKey, SERVER_LIST_VALUE, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
        RegCloseKey(readKey);
        m_previous = registry.GetRegistryString(HKLM, SERVER_LIST_KEY, SERVER_LIST_VALUE);
    }
    void TearDown() override
    {
        if (m_hadValue) {
            registry.SetRegistryString(HKLM, SERVER_LIST_KEY, SERVER_LIST_VALUE, m_previous);
            return;
        }
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, SERVER_LIST_KEY, 0, KEY_ALL_ACCESS | GAMES_VIEW, &key);
        RegDeleteValueA(key, SERVER_LIST_VALUE);
        RegCloseKey(key);
    }

    static void PutServerList(DWORD type, const std::string& data)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, SERVER_LIST_KEY, 0, KEY_ALL_ACCESS | GAMES_VIEW, &key),
                  ERROR_SUCCESS);
        // A multi-string as the registry keeps it: UTF-16, through the W function.
        const BYTE* bytes = reinterpret_cast<const BYTE*>(data.data());
        if (type == REG_MULTI_SZ)
            RegSetValueExW(key, WideName(SERVER_LIST_VALUE).c_str(), 0, type, bytes,
                           static_cast<DWORD>(data.size()));
        else
            RegSetValueExA(key, SERVER_LIST_VALUE, 0, type, bytes, static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }

    Win32Registry registry;
    Win32CodePage codePage;
    bool m_hadValue = false;
    std::string m_previous;
};

TEST_F(ServerListSeeding, ASingleNameLeftByALaunchIsReplacedByTheDefaultList)
{
    registry.SetRegistryString(HKLM, SERVER_LIST_KEY, SERVER_LIST_VALUE, "127.0.0.1");
    CServerList list;
    LoadPublicList(registry, codePage, list);
    EXPECT_EQ(registry.GetRegistryString(HKLM, SERVER_LIST_KEY, SERVER_LIST_VALUE), DEFAULT_SERVER_LIST);
    ASSERT_EQ(list.GetUpperBound(), 8);
    std::vector<std::string> expected = SplitServerList(DEFAULT_SERVER_LIST);
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        EXPECT_EQ(list.GetAt(i).serverName, expected[i]);
        EXPECT_EQ(list.GetAt(i).description, "Blizz Server");
    }
}

TEST_F(ServerListSeeding, AListIsReadAsItIsAndLeftAlone)
{
    registry.SetRegistryString(HKLM, SERVER_LIST_KEY, SERVER_LIST_VALUE, "127.0.0.1;127.0.0.2;");
    CServerList list;
    LoadPublicList(registry, codePage, list);
    EXPECT_EQ(registry.GetRegistryString(HKLM, SERVER_LIST_KEY, SERVER_LIST_VALUE), "127.0.0.1;127.0.0.2;");
    EXPECT_EQ(list.GetUpperBound(), 2);
}

TEST_F(ServerListSeeding, ALongListIsReadWholeAndLeftAlone)
{
    std::string value;
    for (int i = 0; i < 400; ++i)
        value += (i ? ";127.0.0." : "127.0.0.") + std::to_string(i % 150 + 100);
    ASSERT_GE(value.size(), 4096u);
    registry.SetRegistryString(HKLM, SERVER_LIST_KEY, SERVER_LIST_VALUE, value);
    CServerList list;
    LoadPublicList(registry, codePage, list);
    EXPECT_EQ(registry.GetRegistryString(HKLM, SERVER_LIST_KEY, SERVER_LIST_VALUE), value);
    EXPECT_EQ(list.GetUpperBound(), MAX_SERVERS - 1);
}

TEST_F(ServerListSeeding, ValuesOfOtherTypesAreNeverOverwritten)
{
    struct Case {
        DWORD type;
        std::string data;
        std::vector<std::string> shown;
    };
    const DWORD number = 7;
    const Case cases[] = {
        {REG_DWORD, std::string(reinterpret_cast<const char*>(&number), sizeof number), {""}},
        {REG_MULTI_SZ, MultiString({"127.0.0.1", "127.0.0.2"}), {"127.0.0.1", "127.0.0.2"}},
    };
    for (const Case& stored : cases) {
        PutServerList(stored.type, stored.data);
        CServerList list;
        LoadPublicList(registry, codePage, list);
        EXPECT_EQ(registry.ReadValue(HKLM, SERVER_LIST_KEY, SERVER_LIST_VALUE).value.data, stored.data);
        std::vector<std::string> shown;
        for (int i = 0; i <= list.GetUpperBound(); ++i)
            shown.push_back(list.GetAt(i).serverName);
        EXPECT_EQ(shown, stored.shown);
    }
}

} // namespace
