#pragma once

#include <functional>
#include <optional>
#include <string>

#include "answer/answer.h"
#include "lists/server_list.h"

// Makes a typed server what the list will hold, or refuses it; an answer
// without a refusal takes it.
using NewServerCheck = std::function<Answer(ServerEntry&)>;

// The person at the main window: message boxes, the Add Server prompt and
// the controls whose state the commands read or change.
class User {
  public:
    virtual ~User() = default;
    // A modal box with the text and an OK button, no icon.
    virtual void ShowMessage(const std::string& text) = 0;
    // A modal box with the text, an OK button and the exclamation icon.
    virtual void ShowWarning(const std::string& text) = 0;
    // Runs the Add Server dialog; OK is refused with the check's refusal
    // while it has one. Gives the server as the check left it, or nothing
    // when the user cancels.
    virtual std::optional<ServerEntry> PromptAddServer(const NewServerCheck& check) = 0;
    virtual void EnableButton(int controlId, bool enabled) = 0;
    virtual bool IsDeleteCacheChecked() = 0;
};
