// A stand-in for the Windows side of brenwick: registry values, folder-search results and
// command lines live in memory, and every query, search and command is recorded in order.
#pragma once

#include "removal.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace brenwick {

class CRecordingPlatform : public CRemovalPlatform {
public:
    // Registry: (key path, value name) -> the bytes that a query returns.
    std::map<std::pair<std::string, std::string>, std::string> values;
    // Folder search: pattern -> number of entries reported (a missing pattern fails: 0).
    std::map<std::string, int> searchEntries;

    std::vector<std::string> queries;   // "KEY PATH|VALUE NAME|MAX BYTES"
    std::vector<std::string> searches;  // search patterns
    std::vector<std::string> commands;  // command lines

    void setUninstallValue(const std::string& entry, const std::string& name, const std::string& bytes) {
        values[{uninstallKeyPrefix + entry, name}] = bytes;
    }

    bool queryRegistryValue(const std::string& keyPath, const std::string& valueName,
                            unsigned maxBytes, std::string& data) override {
        queries.push_back(keyPath + "|" + valueName + "|" + std::to_string(maxBytes));
        auto found = values.find({keyPath, valueName});
        if (found == values.end() || found->second.size() > maxBytes)
            return false;
        data = found->second;
        return true;
    }

    int countSearchEntries(const std::string& searchPattern) override {
        searches.push_back(searchPattern);
        auto found = searchEntries.find(searchPattern);
        return found == searchEntries.end() ? 0 : found->second;
    }

    // ASCII letters only, which is all the tests use.
    bool samePathIgnoringCase(const std::string& a, const std::string& b) override {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (lower(a[i]) != lower(b[i]))
                return false;
        return true;
    }

    void runCommand(const std::string& commandLine) override { commands.push_back(commandLine); }

private:
    static char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
};

}  // namespace brenwick
