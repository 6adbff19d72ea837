#pragma once

#include <string>
#include <utility>
#include <vector>

// What a feature tells the person at the window about what it did: one box
// for each message, in order, then at most one warning. A refusal is why
// the request was not carried out at all; the features below the window
// never show anything themselves.
struct Answer {
    std::vector<std::string> messages{};
    // "" when there is nothing to warn of.
    std::string warning{};
    // "" when the request was carried out.
    std::string refusal{};

    bool Refused() const { return !refusal.empty(); }
    // The answer to a request that was not carried out, and why.
    static Answer Refusing(std::string why)
    {
        Answer answer;
        answer.refusal = std::move(why);
        return answer;
    }
};
