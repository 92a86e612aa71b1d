// brenwick's old-version removal: reads the uninstall entry of the installed predecessor
// "Quorvane Tessaline 1.7.0" and, when its version agrees with the new one in the first three
// characters, removes the predecessor's program folder (or its otherwise empty company folder),
// the uninstall keys of 1.7.0 to 1.7.3 and their Start-menu folders, all through command lines.
//
// Every contact with Windows goes through CRemovalPlatform, so the same logic runs against the
// Win32 calls in brenwick.exe and against a recording stand-in in the unit tests. Nothing here
// prints anything or looks at a command's result.
#pragma once

#include <string>

namespace brenwick {

// The few Windows services that the removal uses.
class CRemovalPlatform {
public:
    virtual ~CRemovalPlatform() = default;

    // Reads the value `valueName` of the key HKEY_LOCAL_MACHINE\`keyPath`, opened for querying only
    // and in the process's own registry view, offering the query at most `maxBytes` bytes.
    // On success `data` holds exactly the bytes that the query returned (whatever the value's
    // type, with or without a terminating zero) and the result is true; any failure, a value
    // larger than `maxBytes` included, gives false.
    virtual bool queryRegistryValue(const std::string& keyPath, const std::string& valueName,
                                    unsigned maxBytes, std::string& data) = 0;

    // Number of entries that a file search for `searchPattern` reports ("." and ".." of a folder
    // included); 0 when the search fails.
    virtual int countSearchEntries(const std::string& searchPattern) = 0;

    // True when the two paths are the same text apart from letter case, compared the way
    // Windows compares file names.
    virtual bool samePathIgnoringCase(const std::string& a, const std::string& b) = 0;

    // Runs one command line through the command interpreter and returns when it has ended.
    virtual void runCommand(const std::string& commandLine) = 0;
};

// "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\" (with the trailing backslash).
extern const std::string uninstallKeyPrefix;
// "\Veltrane\": the company folder's name between two backslashes.
extern const std::string companyFolderMarker;

// Bytes offered to the registry value query.
constexpr unsigned uninstallValueMaxBytes = 1024;

// The text of one value of an uninstall entry: the returned bytes up to the first zero byte, or
// all of them when they hold none; the empty text on any failure.
std::string readUninstallValue(CRemovalPlatform& platform, const std::string& entryName,
                               const std::string& valueName);

// False for an empty old version; otherwise whether the first three characters of both texts
// are equal (a shorter text takes part whole).
bool isSameMajorMinor(const std::string& oldVersion, const std::string& newVersion);

// The path without its trailing backslashes, blanks and double quotes; unchanged when it holds
// no other character.
std::string trimTrailingPathChars(const std::string& path);

// Entries of `folder` (which ends in a backslash) less two for "." and ".."; -2 when the folder
// cannot be listed.
int countFolderEntries(CRemovalPlatform& platform, const std::string& folder);

// Runs "rmdir /S /Q" on the old install folder as read, or on its company folder "...\Veltrane\"
// when the product folder is that folder's only entry.
void removeOldProgramFolder(CRemovalPlatform& platform, const std::string& oldInstallPath);

// Runs the eight "reg delete" commands for the uninstall keys of 1.7.0 to 1.7.3.
void deleteOldRegistryKeys(CRemovalPlatform& platform);

// Runs the four Start-menu "rmdir" commands (1.7.3 down to 1.7.0) and the desktop command.
void removeOldIcons(CRemovalPlatform& platform);

// The whole program: `argv` as main receives it. Does nothing with fewer than two arguments;
// returns 0 on every path.
int runOldVersionRemoval(CRemovalPlatform& platform, int argc, const char* const argv[]);

}  // namespace brenwick
