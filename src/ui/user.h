#pragma once

#include <functional>
#include <optional>
#include <string>

#include "lists/server_list.h"

// Answers why a typed server cannot be taken, or "" when it can.
using NewServerCheck = std::function<std::string(const ServerEntry&)>;

// The person at the main window: message boxes, the Add Server prompt and
// the controls whose state the commands read or change.
class User {
  public:
    virtual ~User() = default;
    // A modal box with the text and an OK button, no icon.
    virtual void ShowMessage(const std::string& text) = 0;
    // A modal box with the text, an OK button and the exclamation icon.
    virtual void ShowWarning(const std::string& text) = 0;
    // Runs the Add Server dialog; OK is refused with the check's answer
    // while it has one. Empty when the user cancels.
    virtual std::optional<ServerEntry> PromptAddServer(const NewServerCheck& check) = 0;
    virtual void EnableButton(int controlId, bool enabled) = 0;
    virtual bool IsDeleteCacheChecked() = 0;
};
