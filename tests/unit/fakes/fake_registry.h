#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/registry.h"

// An in-memory registry: keys exist only when a test makes them, and a
// write into a missing key changes nothing, as on Windows.
class FakeRegistry : public Registry {
  public:
    std::string GetRegistryString(RegistryRoot root, const std::string& subKey,
                                  const std::string& valueName) override
    {
        reads.push_back(subKey + "\\" + valueName);
        auto it = values.find({root, subKey, valueName});
        return it == values.end() ? "" : it->second;
    }
    void SetRegistryString(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                           const std::string& text) override
    {
        writes.push_back(subKey + "\\" + valueName + "=" + text);
        if (events)
            events->push_back("write " + subKey + "\\" + valueName + "=" + text);
        if (keys.count({root, subKey}))
            values[{root, subKey, valueName}] = text;
    }

    void MakeKey(RegistryRoot root, const std::string& subKey) { keys.insert({root, subKey}); }
    void Put(RegistryRoot root, const std::string& subKey, const std::string& valueName,
             const std::string& text)
    {
        MakeKey(root, subKey);
        values[{root, subKey, valueName}] = text;
    }
    std::string Value(RegistryRoot root, const std::string& subKey, const std::string& valueName) const
    {
        auto it = values.find({root, subKey, valueName});
        return it == values.end() ? "" : it->second;
    }

    std::set<std::tuple<RegistryRoot, std::string>> keys;
    std::map<std::tuple<RegistryRoot, std::string, std::string>, std::string> values;
    std::vector<std::string> reads;
    std::vector<std::string> writes;
    // When set, writes are also logged here, in one log shared with other
    // fakes, for tests of the order of effects across seams.
    std::vector<std::string>* events = nullptr;
};
