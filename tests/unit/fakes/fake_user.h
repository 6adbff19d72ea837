#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/user.h"

// Records every message and button state; answers prompts from a queue.
class FakeUser : public User {
  public:
    void ShowMessage(const std::string& text) override
    {
        messages.push_back(text);
        if (events)
            events->push_back("message " + text);
    }
    void ShowWarning(const std::string& text) override
    {
        warnings.push_back(text);
        if (events)
            events->push_back("warning " + text);
    }
    std::optional<ServerEntry> PromptAddServer(const NewServerCheck& check) override
    {
        ++prompts;
        if (typed.empty())
            return std::nullopt;
        ServerEntry server = typed.front();
        typed.erase(typed.begin());
        refusal = check(server).refusal;
        if (!refusal.empty())
            return std::nullopt;
        return server;
    }
    void EnableButton(int controlId, bool enabled) override { enabled_[controlId] = enabled; }
    bool IsDeleteCacheChecked() override { return deleteCacheChecked; }

    bool IsEnabled(int controlId) const
    {
        auto it = enabled_.find(controlId);
        return it == enabled_.end() || it->second;
    }

    std::vector<std::string> messages;
    std::vector<std::string> warnings;
    // What the user types into the Add Server dialog, one per prompt; an
    // empty queue means the user cancels.
    std::vector<ServerEntry> typed;
    // The check's refusal of the last typed server, "" when it took it.
    std::string refusal;
    int prompts = 0;
    bool deleteCacheChecked = false;
    // When set, messages and warnings are also logged here, in one log shared with other
    // fakes.
    std::vector<std::string>* events = nullptr;

  private:
    std::map<int, bool> enabled_;
};
