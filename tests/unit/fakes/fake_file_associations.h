#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_associations.h"

// Default values of keys below HKEY_CLASSES_ROOT; a key not put here
// cannot be read. Records every key asked for.
class FakeFileAssociations : public FileAssociations {
  public:
    std::optional<std::string> ReadKeyDefaultValue(const std::string& subKey) override
    {
        reads.push_back(subKey);
        auto it = values.find(subKey);
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> reads;
};
