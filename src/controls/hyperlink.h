#pragma once

#include <string>

#include "answer/answer.h"
#include "controls/open_command.h"
#include "platform/shell.h"

class FileAssociations;

// The two ways a link is opened: the shell, and else the open command
// that the file associations hold for ".htm" documents, split by lead bytes.
struct LinkOpeners {
    Shell& shell;
    FileAssociations& associations;
    LeadBytePredicate isLeadByte;
};

// What opening a link came to.
struct LinkOpening {
    // The result of the last try that could be made; ShellSucceeded accepts
    // it when the link opened.
    int code;
    // Its warning says why the link could not be opened; none when it opened.
    Answer answer;

    bool Opened() const { return ShellSucceeded(code); }
};

// Opens the target through the shell's "open" verb, else with the open
// command registered for ".htm" documents.
LinkOpening OpenHyperlink(const std::string& target, int showCommand, const LinkOpeners& openers);

// The text that explains why a link could not be opened.
std::string OpenErrorText(int code);
