#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The machine around Velnor, read and set up directly: the registry values
// under HKEY_LOCAL_MACHINE, in the games' view, the games' own gateway
// list and the user's display settings under HKEY_CURRENT_USER, and the
// files.

extern const char* const CONFIGURATION_KEY;
extern const char* const SERVER_LIST_VALUE;
// StarCraft's gateway list, below HKEY_CURRENT_USER.
extern const char* const GATEWAYS_KEY;
extern const char* const GATEWAYS_VALUE;
// The list that StarCraft takes instead of that one when it is there.
extern const char* const OVERRIDE_GATEWAYS_VALUE;

// The string value, or nothing when the key or value is missing.
std::optional<std::string> ReadMachineString(const std::string& key, const std::string& value);
// Creates the key, parents included, and writes the value; throws on failure.
void WriteMachineString(const std::string& key, const std::string& value, const std::string& text);
// Creates the key under HKEY_CURRENT_USER and writes the number; throws on
// failure.
void WriteUserNumber(const std::string& key, const std::string& value, DWORD number);

// The data of a REG_MULTI_SZ value below HKEY_CURRENT_USER, or nothing when
// it is missing or of another type.
std::optional<std::string> ReadUserMultiString(const std::string& key, const std::string& value);
// REG_MULTI_SZ data: each line ends in a zero byte, an empty line ends all.
std::string MultiString(const std::vector<std::string>& lines);

// The file's bytes, or nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Throws on failure.
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// Whether the server is one that tests may list and ping: a loopback
// address, or one of the namespace test hosts' range 198.18.0.0/15.
bool IsTestAddress(const std::string& server);

// "VELNOR.INI" in the directory named by "WinDir", as Velnor finds it.
std::string PrivateListPath();
