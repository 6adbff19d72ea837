#pragma once

#include <string>

#include "controls/open_command.h"
#include "platform/shell.h"

class FileAssociations;
class User;

// What opening a link reaches of the platform.
struct LinkPlatform {
    Shell& shell;
    FileAssociations& associations;
    LeadBytePredicate isLeadByte;
};

// Opens the target through the shell's "open" verb, else with the open
// command registered for ".htm" documents. A result that ShellSucceeded
// accepts means opened; else the error code of the last try that could be
// made.
int OpenHyperlink(const std::string& target, int showCommand, const LinkPlatform& platform);

// The text that explains why a link could not be opened.
std::string OpenErrorText(int code);

// Tells the user, in a warning box, why a link could not be opened.
void ShowOpenError(int code, User& user);
