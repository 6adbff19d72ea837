#pragma once

#include "platform/file_associations.h"

// The file associations of this machine's registry, one key opened and
// closed per read.
class Win32FileAssociations : public FileAssociations {
  public:
    std::optional<std::string> ReadKeyDefaultValue(const std::string& subKey) override;
};
