#include "walk_report.h"

#include <cstdio>

void WalkReport::Step(const std::string& title)
{
    std::printf("\n== %s\n", title.c_str());
    std::fflush(stdout);
}

bool WalkReport::Check(bool held, const std::string& what)
{
    if (!held) {
        Fail(what);
        return false;
    }
    ++m_passes;
    std::printf("  ok    %s\n", what.c_str());
    std::fflush(stdout);
    return true;
}

bool WalkReport::CheckEqual(const std::string& seen, const std::string& expected, const std::string& what)
{
    if (seen == expected)
        return Check(true, what);
    Fail(what + "\n          expected \"" + Visible(expected) + "\"\n          seen     \"" + Visible(seen) +
         "\"");
    return false;
}

void WalkReport::Skip(const std::string& what, const std::string& why)
{
    ++m_skips;
    std::printf("  skip  %s: %s\n", what.c_str(), why.c_str());
    std::fflush(stdout);
}

void WalkReport::Fail(const std::string& what)
{
    ++m_failures;
    std::printf("  FAIL  %s\n", what.c_str());
    std::fflush(stdout);
}

std::string Visible(const std::string& text)
{
    std::string shown;
    for (char c : text) {
        if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
            shown += escaped;
        } else
            shown += c;
    }
    return shown;
}
