// brenwick's old-version removal over CRemovalPlatform; see removal.h for the contract.
#include "removal.h"

#include <algorithm>

namespace brenwick {

const std::string uninstallKeyPrefix = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const std::string companyFolderMarker = "\\Veltrane\\";

namespace {

const char predecessorEntry[] = "Quorvane Tessaline 1.7.0";
const char trailingPathChars[] = "\\ \"";

// The uninstall keys of 1.7.0 to 1.7.3, for each version first under SOFTWARE\Wow6432Node, then
// under SOFTWARE.
const char reg1Del32[] = R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.0" /f)";
const char reg1Del64[] = R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.0" /f)";
const char reg2Del32[] = R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.1" /f)";
const char reg2Del64[] = R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.1" /f)";
const char reg3Del32[] = R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.2" /f)";
const char reg3Del64[] = R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.2" /f)";
const char reg4Del32[] = R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.3" /f)";
const char reg4Del64[] = R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.3" /f)";

// The Start-menu folders from 1.7.3 down to 1.7.0, then the desktop entry.
const char rmIconsDirString[] = R"(rmdir /S /Q "C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quorvane Tessaline 1.7.3")";
const char rmIconsDirString2[] = R"(rmdir /S /Q "C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quorvane Tessaline 1.7.2")";
const char rmIconsDirString3[] = R"(rmdir /S /Q "C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quorvane Tessaline 1.7.1")";
const char rmIconsDirString4[] = R"(rmdir /S /Q "C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quorvane Tessaline 1.7.0")";
const char rmDesktopIcon[] = R"(rmdir /S /Q "C:\Users\UserDesktop\Quorvane Tessaline*")";

// True when the path holds a character other than a backslash, a blank or a double quote. A
// location without one names no program folder; handing it to "rmdir" could even name the root
// of the current drive ("\").
bool namesAFolder(const std::string& path) {
    return path.find_first_not_of(trailingPathChars) != std::string::npos;
}

}  // namespace

std::string readUninstallValue(CRemovalPlatform& platform, const std::string& entryName,
                               const std::string& valueName) {
    const std::string keyPath = uninstallKeyPrefix + entryName;
    std::string data;
    if (!platform.queryRegistryValue(keyPath, valueName, uninstallValueMaxBytes, data))
        return std::string();
    // Only the returned bytes count: a value stored without its terminating zero ends with them.
    return data.substr(0, data.find('\0'));
}

bool isSameMajorMinor(const std::string& oldVersion, const std::string& newVersion) {
    if (oldVersion.empty())
        return false;
    return oldVersion.substr(0, 3) == newVersion.substr(0, 3);
}

std::string trimTrailingPathChars(const std::string& path) {
    const std::size_t last = path.find_last_not_of(trailingPathChars);
    if (last == std::string::npos)
        return path;
    return path.substr(0, last + 1);
}

int countFolderEntries(CRemovalPlatform& platform, const std::string& folder) {
    const std::string searchSrt = folder + "*";
    return platform.countSearchEntries(searchSrt) - 2;
}

void removeOldProgramFolder(CRemovalPlatform& platform, const std::string& oldInstallPath) {
    std::string trimmedPath = trimTrailingPathChars(oldInstallPath);
    std::string dirPath = oldInstallPath;

    const std::size_t marker = trimmedPath.find(companyFolderMarker);
    if (marker != std::string::npos) {
        trimmedPath.resize(marker + companyFolderMarker.size());
        if (countFolderEntries(platform, trimmedPath) == 1)
            dirPath = trimmedPath;
    }

    // A folder name cannot hold a double quote; one inside the registry value
    // would end the quoted path early and let the interpreter take the rest
    // as further (relative) folders to remove.
    dirPath.erase(std::remove(dirPath.begin(), dirPath.end(), '"'), dirPath.end());

    const std::string rmProgramDirString = "rmdir /S /Q \"" + dirPath + "\"";
    platform.runCommand(rmProgramDirString);
}

void deleteOldRegistryKeys(CRemovalPlatform& platform) {
    for (const char* command : {reg1Del32, reg1Del64, reg2Del32, reg2Del64, reg3Del32, reg3Del64,
                                reg4Del32, reg4Del64})
        platform.runCommand(command);
}

void removeOldIcons(CRemovalPlatform& platform) {
    for (const char* command : {rmIconsDirString, rmIconsDirString2, rmIconsDirString3,
                                rmIconsDirString4, rmDesktopIcon})
        platform.runCommand(command);
}

int runOldVersionRemoval(CRemovalPlatform& platform, int argc, const char* const argv[]) {
    if (argc < 3)
        return 0;

    const std::string newInstallPath = argv[1];
    const std::string newVersion = argv[2];
    const std::string oldInstallPath = readUninstallValue(platform, predecessorEntry, "InstallLocation");
    const std::string oldVersion = readUninstallValue(platform, predecessorEntry, "DisplayVersion");

    if (!isSameMajorMinor(oldVersion, newVersion))
        return 0;

    // Folder names do not depend on letter case on Windows: the old folder written in another
    // case is still the new install folder and must stay.
    if (namesAFolder(oldInstallPath) &&
        !platform.samePathIgnoringCase(trimTrailingPathChars(oldInstallPath),
                                       trimTrailingPathChars(newInstallPath)))
        removeOldProgramFolder(platform, oldInstallPath);

    deleteOldRegistryKeys(platform);
    removeOldIcons(platform);
    return 0;
}

}  // namespace brenwick
