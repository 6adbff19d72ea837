#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/registry.h"

// An in-memory registry that fails as the real one does: keys exist only
// when a test makes them, a write into a missing key changes nothing, a
// missing value reads as Missing, and values named in `unreadable` exist
// but fail to read. Keys in `denied` exist but cannot be opened at all:
// reads fail and writes change nothing; those in `readOnly` refuse writes
// only. Values are read whole, whatever their length, and their data is
// kept as given: for a multi-string, the raw UTF-16LE bytes.
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
        if (!keys.count({root, subKey}) || denied.count(subKey) || readOnly.count(subKey))
            return false;
        values[{root, subKey, valueName}] = value;
        return true;
    }
    // Makes the key, Velnor's own; not logged.
    bool WriteOwnValue(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                       const RegistryValue& value) override
    {
        if (!denied.count(subKey))
            PutValue(root, subKey, valueName, value);
        return !denied.count(subKey);
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

    std::set<std::tuple<RegistryRoot, std::string>> keys;
    std::map<std::tuple<RegistryRoot, std::string, std::string>, RegistryValue> values;
    std::set<std::string> unreadable;
    std::set<std::string> denied;
    std::set<std::string> readOnly;
    std::vector<std::string> reads;
    std::vector<std::string> writes;
    // When set, writes are also logged here, in one log shared with other
    // fakes, for tests of the order of effects across seams.
    std::vector<std::string>* events = nullptr;
};
