#include <gtest/gtest.h>

#include "controls/hyperlink.h"
#include "fakes/fake_file_associations.h"
#include "fakes/fake_shell.h"

namespace {

bool NoLeadBytes(unsigned char)
{
    return false;
}

// The lead bytes of code page 932.
bool ShiftJisLeadBytes(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

const char* const OPEN_COMMAND_KEY = "htmlfile\\shell\\open\\command";

class OpenHyperlinkTest : public ::testing::Test {
  protected:
    OpenHyperlinkTest()
    {
        shell.executeResult = 31;
        shell.startResult = 42;
        associations.values[".htm"] = "htmlfile";
    }

    // Opens the target with the shell failing and the given command
    // registered for the ".htm" document type; returns the line started.
    std::string CommandLineFor(const std::string& registeredCommand, const std::string& target)
    {
        associations.values[OPEN_COMMAND_KEY] = registeredCommand;
        EXPECT_EQ(Open(target).code, 42);
        EXPECT_EQ(shell.commandLines.size(), 1u);
        return shell.commandLines.empty() ? "" : shell.commandLines.back();
    }

    LinkOpening Open(const std::string& target)
    {
        return OpenHyperlink(target, SHOW_SHOW, {shell, associations, lead});
    }

    FakeShell shell;
    FakeFileAssociations associations;
    LeadBytePredicate lead = NoLeadBytes;
};

TEST_F(OpenHyperlinkTest, ShellSuccessReadsNoRegistry)
{
    for (int code : {33, 42}) {
        shell.executeResult = code;
        const LinkOpening opening = Open("http://localhost/");
        EXPECT_EQ(opening.code, code);
        EXPECT_TRUE(opening.Opened() && opening.answer.warning.empty());
    }
    EXPECT_TRUE(associations.reads.empty());
    EXPECT_TRUE(shell.commandLines.empty());
    const FakeShell::Execution& asked = shell.executions.front();
    EXPECT_EQ(asked.verb, "open");
    EXPECT_EQ(asked.file, "http://localhost/");
    EXPECT_EQ(asked.parameters, "");
    EXPECT_EQ(asked.directory, "");
    EXPECT_EQ(asked.showCommand, SHOW_SHOW);
}

TEST_F(OpenHyperlinkTest, FallbackReadsTheHtmTypeAndItsOpenCommand)
{
    associations.values[OPEN_COMMAND_KEY] = "browse.exe";
    EXPECT_EQ(Open("t").code, 42);
    EXPECT_EQ(associations.reads, (std::vector<std::string>{".htm", OPEN_COMMAND_KEY}));
    EXPECT_EQ(shell.commandShows, std::vector<int>{SHOW_SHOW});
    EXPECT_EQ(shell.calls.front(), "execute t");
}

TEST_F(OpenHyperlinkTest, QuotedPlaceholderIsCutAtItsOpeningQuote)
{
    EXPECT_EQ(CommandLineFor("\"C:\\Web\\browse.exe\" \"%1\" -new", "http://localhost/"),
              "\"C:\\Web\\browse.exe\"  http://localhost/");
}

TEST_F(OpenHyperlinkTest, PlainPlaceholderIsCutAtThePercentSign)
{
    EXPECT_EQ(CommandLineFor("browse.exe -url %1 -new", "t"), "browse.exe -url  t");
}

TEST_F(OpenHyperlinkTest, QuotedPlaceholderWinsWhereverThePlainOneStands)
{
    EXPECT_EQ(CommandLineFor("b.exe %1 \"%1\"", "t"), "b.exe %1  t");
    shell.commandLines.clear();
    EXPECT_EQ(CommandLineFor("b.exe \"%1\" %1", "t"), "b.exe  t");
}

TEST_F(OpenHyperlinkTest, CommandWithoutPlaceholderKeepsAllItsArguments)
{
    EXPECT_EQ(CommandLineFor("b.exe -nohome", "t"), "b.exe -nohome t");
}

TEST_F(OpenHyperlinkTest, TargetIsAppendedUnquotedWithItsBlanks)
{
    EXPECT_EQ(CommandLineFor("b.exe \"%1\"", "C:\\My Pages\\index page.htm"),
              "b.exe  C:\\My Pages\\index page.htm");
}

TEST_F(OpenHyperlinkTest, TwoByteCharacterHidesAQuoteItEndsWith)
{
    lead = ShiftJisLeadBytes;
    EXPECT_EQ(CommandLineFor("b.exe \x81\"%1\"", "t"), "b.exe \x81\" t");
    shell.commandLines.clear();
    EXPECT_EQ(CommandLineFor("b\x81\x81.exe \"%1\"", "t"), "b\x81\x81.exe  t");
}

TEST_F(OpenHyperlinkTest, FallbackResultIsReportedEvenWhenItFails)
{
    associations.values[OPEN_COMMAND_KEY] = "missing.exe \"%1\"";
    shell.startResult = 2;
    const LinkOpening opening = Open("t");
    EXPECT_EQ(opening.code, 2);
    EXPECT_FALSE(opening.Opened());
    EXPECT_EQ(opening.answer.warning, OpenErrorText(2));
}

TEST_F(OpenHyperlinkTest, MissingAssociationReportsTheShellsCode)
{
    associations.values.erase(".htm");
    EXPECT_EQ(Open("t").code, 31);
    EXPECT_EQ(associations.reads, std::vector<std::string>{".htm"});

    associations.values[".htm"] = "htmlfile";
    EXPECT_EQ(Open("t").code, 31);
    EXPECT_EQ(associations.reads.back(), OPEN_COMMAND_KEY);
    EXPECT_TRUE(shell.commandLines.empty());
}

TEST_F(OpenHyperlinkTest, CommandLineNeverOutgrowsItsBuffer)
{
    const std::string command(200, 'c');
    const std::string fittingTarget(COMMAND_BUFFER_SIZE - 1 - command.size() - 1, 't');
    const std::string fitting = CommandLineFor(command, fittingTarget);
    EXPECT_EQ(fitting.size(), COMMAND_BUFFER_SIZE - 1);

    EXPECT_EQ(Open(fittingTarget + "t").code, 31);
    EXPECT_EQ(shell.commandLines.size(), 1u);
}

TEST(BuildOpenCommand, BoundCountsTheCommandAfterItsCut)
{
    const std::string command = "b.exe \"%1\"" + std::string(600, 'x');
    const auto line = BuildOpenCommand(command, "t", NoLeadBytes);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(*line, "b.exe  t");
}

TEST(FindAtCharacterBoundary, StepsOverBothBytesOfEachTwoByteCharacter)
{
    EXPECT_EQ(FindAtCharacterBoundary("ab\"%1\"", "\"%1\"", ShiftJisLeadBytes), 2u);
    EXPECT_EQ(FindAtCharacterBoundary("\x81\"%1\"", "\"%1\"", ShiftJisLeadBytes), std::string::npos);
    EXPECT_EQ(FindAtCharacterBoundary("\x81\"%1\"", "\"%1\"", NoLeadBytes), 1u);
    EXPECT_EQ(FindAtCharacterBoundary("\x81\x81\"%1\"", "\"%1\"", ShiftJisLeadBytes), 2u);
    EXPECT_EQ(FindAtCharacterBoundary("x\x81", "\"%1\"", ShiftJisLeadBytes), std::string::npos);
    EXPECT_EQ(FindAtCharacterBoundary("", "\"%1\"", ShiftJisLeadBytes), std::string::npos);
}

} // namespace
