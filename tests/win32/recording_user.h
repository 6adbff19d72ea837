#pragma once

#include <string>
#include <vector>

#include "ui/user.h"

// The boxes are recorded instead of shown, so that nothing waits for a
// person; the check box is set by the test.
class RecordingUser : public User {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowWarning(const std::string& text) override { messages.push_back(text); }
    std::optional<ServerEntry> PromptAddServer(const NewServerCheck&) override { return std::nullopt; }
    void EnableButton(int, bool) override {}
    bool IsDeleteCacheChecked() override { return deleteCacheChecked; }

    std::vector<std::string> messages;
    bool deleteCacheChecked = false;
};
