#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/registry.h"

// Orders keys and values as the registry matches their names: ignoring case.
struct RegistryNameLess {
    static RegistryRoot Fold(RegistryRoot root) { return root; }
    static std::string Fold(std::string name)
    {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return name;
    }
    template <typename... Parts>
    bool operator()(const std::tuple<Parts...>& a, const std::tuple<Parts...>& b) const
    {
        auto folded = [](const auto&... parts) { return std::make_tuple(Fold(parts)...); };
        return std::apply(folded, a) < std::apply(folded, b);
    }
};

// An in-memory registry that fails as the real one does: keys exist only
// when a test makes them, a write into a missing key changes nothing, a
// missing value reads as Missing, and values named in `unreadable` exist
// but fail to read. Keys in `denied` exist but cannot be opened with the
// full access that every call asks for: reads fail and writes change
// nothing. Values are read whole, whatever their length. Key and value
// names ignore case.
class FakeRegistry : public Registry {
  public:
    RegistryRead ReadValue(RegistryRoot root, const std::string& subKey,
                           const std::string& valueName) override
    {
        reads.push_back(subKey + "\\" + valueName);
        if (!keys.count({root, subKey}))
            return {};
        if (denied.count(subKey) || unreadable.count(valueName))
            return {RegistryReadStatus::Failed, {}};
        auto it = values.find({root, subKey, valueName});
        if (it == values.end())
            return {};
        return {RegistryReadStatus::Read, it->second};
    }
    bool WriteValue(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                    const RegistryValue& value) override
    {
        const std::string text = value.type == RegistryType::String ? RegistryStringText(value) : value.data;
        writes.push_back(subKey + "\\" + valueName + "=" + text);
        if (events)
            events->push_back("write " + subKey + "\\" + valueName + "=" + text);
        if (!keys.count({root, subKey}) || denied.count(subKey))
            return false;
        values[{root, subKey, valueName}] = value;
        return true;
    }

    void MakeKey(RegistryRoot root, const std::string& subKey) { keys.insert({root, subKey}); }
    // Stores a value of any type, its data exactly as given.
    void PutValue(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                  const RegistryValue& value)
    {
        MakeKey(root, subKey);
        values[{root, subKey, valueName}] = value;
    }
    // Stores a string value as the games do, with its terminator.
    void Put(RegistryRoot root, const std::string& subKey, const std::string& valueName,
             const std::string& text)
    {
        PutValue(root, subKey, valueName, {RegistryType::String, text + '\0'});
    }
    // A string value's text, "" when there is none.
    std::string Value(RegistryRoot root, const std::string& subKey, const std::string& valueName) const
    {
        auto it = values.find({root, subKey, valueName});
        return it == values.end() ? "" : RegistryStringText(it->second);
    }

    std::set<std::tuple<RegistryRoot, std::string>, RegistryNameLess> keys;
    std::map<std::tuple<RegistryRoot, std::string, std::string>, RegistryValue, RegistryNameLess> values;
    std::set<std::string> unreadable;
    std::set<std::string> denied;
    std::vector<std::string> reads;
    std::vector<std::string> writes;
    // When set, writes are also logged here, in one log shared with other
    // fakes, for tests of the order of effects across seams.
    std::vector<std::string>* events = nullptr;
};
