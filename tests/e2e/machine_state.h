#pragma once

#include <optional>
#include <string>

// The machine around Velnor, read and set up directly: the registry values
// under HKEY_LOCAL_MACHINE, in the games' view, and the files.

extern const char* const CONFIGURATION_KEY;
extern const char* const SERVER_LIST_VALUE;

// The string value, or nothing when the key or value is missing.
std::optional<std::string> ReadMachineString(const std::string& key, const std::string& value);
// Creates the key, parents included, and writes the value; throws on failure.
void WriteMachineString(const std::string& key, const std::string& value, const std::string& text);

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
