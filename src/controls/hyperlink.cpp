#include "controls/hyperlink.h"

#include "platform/file_associations.h"
#include "platform/shell.h"

namespace {

const char* KnownErrorMessage(int code)
{
    switch (code) {
    case 0:
        return "The operating system is out\nof memory or resources.";
    case 2:
        return "The specified file was not found.";
    case 3:
        return "The specified path was not found.";
    case 5:
        return "The operating system denied\naccess to the specified file.";
    case 8:
        return "There was not enough memory to complete the operation.";
    case 11:
        return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26:
        return "A sharing violation occurred. ";
    case 27:
        return "The filename association is\nincomplete or invalid.";
    case 28:
        return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29:
        return "The DDE transaction failed.";
    case 30:
        return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
               "processed.";
    case 31:
        return "There is no application associated\nwith the given filename extension.";
    case 32:
        return "The specified dynamic-link library was not found.";
    default:
        return nullptr;
    }
}

// When the fallback cannot be built, the shell's own code is the answer.
int OpenWithShellElseAssociation(const std::string& target, int showCommand, const LinkOpeners& openers)
{
    const int shellResult = openers.shell.Execute("open", target, "", "", showCommand);
    if (ShellSucceeded(shellResult))
        return shellResult;
    const auto documentType = openers.associations.ReadKeyDefaultValue(".htm");
    if (!documentType)
        return shellResult;
    const auto openCommand =
        openers.associations.ReadKeyDefaultValue(*documentType + "\\shell\\open\\command");
    if (!openCommand)
        return shellResult;
    const auto commandLine = BuildOpenCommand(*openCommand, target, openers.isLeadByte);
    if (!commandLine)
        return shellResult;
    return openers.shell.StartCommandLine(*commandLine, showCommand);
}

} // namespace

LinkOpening OpenHyperlink(const std::string& target, int showCommand, const LinkOpeners& openers)
{
    LinkOpening opening{OpenWithShellElseAssociation(target, showCommand, openers), {}};
    if (!opening.Opened())
        opening.answer.warning = OpenErrorText(opening.code);
    return opening;
}

std::string OpenErrorText(int code)
{
    const char* known = KnownErrorMessage(code);
    const std::string message = known ? known : "Unknown Error (" + std::to_string(code) + ") occurred.";
    return "Unable to open hyperlink:\n\n" + message;
}
