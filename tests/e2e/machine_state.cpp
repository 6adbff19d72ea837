#include "machine_state.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <stdexcept>
#include <vector>

const char* const CONFIGURATION_KEY = "Software\\Battle.Net\\Configuration";
const char* const SERVER_LIST_VALUE = "Server List";
const char* const GATEWAYS_KEY = "Software\\Battle.net\\Configuration";
const char* const GATEWAYS_VALUE = "Battle.net Gateways";
const char* const OVERRIDE_GATEWAYS_VALUE = "Override Battle.net gateways";

// The view of HKEY_LOCAL_MACHINE that the games and Velnor use: the 32-bit
// one, which a 64-bit driver must ask for.
constexpr REGSAM GAMES_VIEW = KEY_WOW64_32KEY;

std::optional<std::string> ReadMachineString(const std::string& key, const std::string& value)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE | GAMES_VIEW, &opened) !=
        ERROR_SUCCESS)
        return std::nullopt;
    DWORD size = 0;
    std::optional<std::string> text;
    if (RegQueryValueExA(opened, value.c_str(), nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<char> data(size + 1);
        if (RegQueryValueExA(opened, value.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()),
                             &size) == ERROR_SUCCESS)
            text = std::string(data.data());
    }
    RegCloseKey(opened);
    return text;
}

void WriteMachineString(const std::string& key, const std::string& value, const std::string& text)
{
    HKEY created = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | GAMES_VIEW, nullptr,
                        &created, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create HKLM\\" + key);
    const LONG result =
        RegSetValueExA(created, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    RegCloseKey(created);
    if (result != ERROR_SUCCESS)
        throw std::runtime_error("cannot write HKLM\\" + key + " \"" + value + "\"");
}

std::optional<std::string> ReadUserMultiString(const std::string& key, const std::string& value)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD size = 0;
    DWORD type = REG_NONE;
    std::optional<std::string> data;
    if (RegQueryValueExA(opened, value.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_MULTI_SZ) {
        std::string bytes(size, '\0');
        if (RegQueryValueExA(opened, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                             &size) == ERROR_SUCCESS)
            data = bytes.substr(0, size);
    }
    RegCloseKey(opened);
    return data;
}

std::string MultiString(const std::vector<std::string>& lines)
{
    std::string data;
    for (const std::string& line : lines)
        data += line + '\0';
    return data + '\0';
}

void WriteUserNumber(const std::string& key, const std::string& value, DWORD number)
{
    HKEY created = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create HKCU\\" + key);
    const LONG result = RegSetValueExA(created, value.c_str(), 0, REG_DWORD,
                                       reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(created);
    if (result != ERROR_SUCCESS)
        throw std::runtime_error("cannot write HKCU\\" + key + " \"" + value + "\"");
}

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!(out << bytes) || !out.flush())
        throw std::runtime_error("cannot write " + path);
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsTestAddress(const std::string& server)
{
    static const std::regex testAddress(R"((127\.\d{1,3}|198\.1[89])\.\d{1,3}\.\d{1,3})");
    return std::regex_match(server, testAddress);
}

std::string PrivateListPath()
{
    char directory[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA("WinDir", directory, sizeof directory);
    return std::string(directory, length < sizeof directory ? length : 0) + "\\VELNOR.INI";
}
