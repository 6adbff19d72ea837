#pragma once

#include <string>

// The walk's record: each step's checks as they pass or fail, printed as
// they happen, so that a failure shows what was expected and what was seen.
class WalkReport {
  public:
    void Step(const std::string& title);
    // Records the check; answers whether it held.
    bool Check(bool held, const std::string& what);
    bool CheckEqual(const std::string& seen, const std::string& expected, const std::string& what);
    // A check that this run cannot make, and why.
    void Skip(const std::string& what, const std::string& why);
    void Fail(const std::string& what);

    int Failures() const { return m_failures; }
    int Passes() const { return m_passes; }
    int Skips() const { return m_skips; }

  private:
    int m_failures = 0;
    int m_passes = 0;
    int m_skips = 0;
};

// The text with its line ends and other control characters made visible.
std::string Visible(const std::string& text);
