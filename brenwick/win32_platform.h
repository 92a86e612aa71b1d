// The Windows side of brenwick: CRemovalPlatform over the Win32 registry, file search,
// string comparison and the C runtime's system(). Built only into brenwick.exe.
#pragma once

#include "removal.h"

namespace brenwick {

class CWin32Platform : public CRemovalPlatform {
public:
    bool queryRegistryValue(const std::string& keyPath, const std::string& valueName,
                            unsigned maxBytes, std::string& data) override;
    int countSearchEntries(const std::string& searchPattern) override;
    bool samePathIgnoringCase(const std::string& a, const std::string& b) override;
    void runCommand(const std::string& commandLine) override;
};

}  // namespace brenwick
