#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_store.h"

// Files in memory, their bytes as written.
class FakeFileStore : public FileStore {
  public:
    std::string WindowsDirectory() override { return windowsDirectory; }
    std::optional<std::string> ReadFile(const std::string& path) override
    {
        calls.push_back("read " + path);
        auto it = files.find(path);
        if (it == files.end() || unreadable)
            return std::nullopt;
        return it->second;
    }
    bool CreateEmptyFile(const std::string& path) override
    {
        calls.push_back("create " + path);
        if (failCreate || files.count(path))
            return false;
        files[path] = "";
        return true;
    }
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override
    {
        calls.push_back("write " + path);
        if (events)
            events->push_back("replace " + path);
        if (failReplace || readOnly.count(path))
            return false;
        files[path] = bytes;
        return true;
    }

    std::string windowsDirectory = "C:\\WINDOWS";
    std::map<std::string, std::string> files;
    bool unreadable = false;
    bool failCreate = false;
    bool failReplace = false;
    // Files with the read-only attribute: they read, but are never replaced.
    std::set<std::string> readOnly;
    std::vector<std::string> calls;
    // When set, replacements are also logged here, in one log shared with
    // other fakes, for tests of the order of effects across seams.
    std::vector<std::string>* events = nullptr;
};
