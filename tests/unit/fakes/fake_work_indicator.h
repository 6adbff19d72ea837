#pragma once

#include <string>
#include <vector>

#include "ui/work_indicator.h"

// Records what the window was told to show, in order: "begin", "f/t" for
// progress, "end".
class FakeWorkIndicator : public WorkIndicator {
  public:
    void BeginWork() override { shown.push_back("begin"); }
    void ShowProgress(int finished, int total) override
    {
        shown.push_back(std::to_string(finished) + "/" + std::to_string(total));
    }
    void EndWork() override { shown.push_back("end"); }

    std::vector<std::string> shown;
};
