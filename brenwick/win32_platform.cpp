// CWin32Platform: the registry read with RegOpenKeyExA/RegQueryValueExA (no view flag, so a
// 32-bit brenwick.exe reads the 32-bit view on 64-bit Windows), the folder listing with
// FindFirstFileA/FindNextFileA, case-insensitive path comparison with CompareStringOrdinal (the
// file system's own rule) and command execution with system().
#include "win32_platform.h"

#include <windows.h>

#include <cstdlib>

namespace brenwick {

namespace {

// The buffer of the registry query; the query is offered only part of it.
BYTE PerfData[4096];

std::wstring toWide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length - 1));  // drop the terminating zero
    return wide;
}

}  // namespace

bool CWin32Platform::queryRegistryValue(const std::string& keyPath, const std::string& valueName,
                                        unsigned maxBytes, std::string& data) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return false;
    DWORD cbData = maxBytes < sizeof PerfData ? maxBytes : sizeof PerfData;
    const LONG result = RegQueryValueExA(hKey, valueName.c_str(), nullptr, nullptr, PerfData, &cbData);
    RegCloseKey(hKey);
    if (result != ERROR_SUCCESS || cbData > sizeof PerfData)
        return false;
    data.assign(reinterpret_cast<const char*>(PerfData), cbData);
    return true;
}

int CWin32Platform::countSearchEntries(const std::string& searchPattern) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(searchPattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 1;
    while (FindNextFileA(search, &entry))
        ++count;
    FindClose(search);
    return count;
}

bool CWin32Platform::samePathIgnoringCase(const std::string& a, const std::string& b) {
    const std::wstring wideA = toWide(a);
    const std::wstring wideB = toWide(b);
    return CompareStringOrdinal(wideA.c_str(), -1, wideB.c_str(), -1, TRUE) == CSTR_EQUAL;
}

void CWin32Platform::runCommand(const std::string& commandLine) {
    std::system(commandLine.c_str());
}

}  // namespace brenwick
