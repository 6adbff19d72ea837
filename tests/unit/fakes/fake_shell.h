#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

// Records what was started or deleted; answers with preset results.
class FakeShell : public Shell {
  public:
    struct Execution {
        std::string verb, file, parameters, directory;
        int showCommand;
    };

    int Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                const std::string& directory, int showCommand) override
    {
        executions.push_back({verb, file, parameters, directory, showCommand});
        calls.push_back("execute " + file);
        if (events)
            events->push_back("execute " + file);
        return executeResult;
    }
    int StartCommandLine(const std::string& commandLine, int showCommand) override
    {
        commandLines.push_back(commandLine);
        commandShows.push_back(showCommand);
        calls.push_back("start " + commandLine);
        return startResult;
    }
    void RemoveFile(const std::string& path) override
    {
        deleted.push_back(path);
        calls.push_back("delete " + path);
        if (events)
            events->push_back("delete " + path);
    }

    int executeResult = 42;
    int startResult = 33;
    std::vector<Execution> executions;
    std::vector<std::string> commandLines;
    std::vector<int> commandShows;
    std::vector<std::string> deleted;
    // Every call in order, for tests of the order of effects.
    std::vector<std::string> calls;
    // When set, executions and deletions are also logged here, in one log
    // shared with other fakes.
    std::vector<std::string>* events = nullptr;
};
