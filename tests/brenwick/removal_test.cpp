// Unit tests of brenwick's removal logic against the recording stand-in: the version test and
// the path trimming, the registry read, the company-folder rule, and the command lines that a
// run hands to the command interpreter, letter for letter and in order.
#include "recording_platform.h"
#include "removal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brenwick {
namespace {

using Commands = std::vector<std::string>;

const Commands kRegistryCommands = {
    R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.0" /f)",
    R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.0" /f)",
    R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.1" /f)",
    R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.1" /f)",
    R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.2" /f)",
    R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.2" /f)",
    R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.3" /f)",
    R"(reg delete "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.3" /f)",
};

const Commands kIconCommands = {
    R"(rmdir /S /Q "C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quorvane Tessaline 1.7.3")",
    R"(rmdir /S /Q "C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quorvane Tessaline 1.7.2")",
    R"(rmdir /S /Q "C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quorvane Tessaline 1.7.1")",
    R"(rmdir /S /Q "C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quorvane Tessaline 1.7.0")",
    R"(rmdir /S /Q "C:\Users\UserDesktop\Quorvane Tessaline*")",
};

// The thirteen fixed command lines, after the program-folder command when there is one.
Commands expectedCommands(const std::string& folderCommand = "") {
    Commands all;
    if (!folderCommand.empty())
        all.push_back(folderCommand);
    all.insert(all.end(), kRegistryCommands.begin(), kRegistryCommands.end());
    all.insert(all.end(), kIconCommands.begin(), kIconCommands.end());
    return all;
}

const char kEntry[] = "Quorvane Tessaline 1.7.0";
const std::string kEntryKey = R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Tessaline 1.7.0)";

TEST(IsSameMajorMinor, ComparesTheFirstThreeCharacters) {
    struct Case { const char* oldVersion; const char* newVersion; bool same; };
    const Case cases[] = {
        {"1.7.0", "1.7.3", true},  {"1.7.0", "1.7.0", true},  {"1.7.9", "1.70", true},
        {"1.6.2", "1.7.0", false}, {"1.8.0", "1.7.0", false}, {"1.7.0", "", false},
        {"", "1.7.0", false},      {"", "", false},           {"1", "1", true},
        {"1", "1.7", false},       {"1.7", "1.7.2", true},    {"1.7", "1.", false},
        {"1,7.0", "1.7.0", false}, {"1.7.0 ", "1.7", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isSameMajorMinor(c.oldVersion, c.newVersion), c.same)
            << "old \"" << c.oldVersion << "\" new \"" << c.newVersion << "\"";
}

TEST(TrimTrailingPathChars, DropsTrailingBackslashesBlanksAndQuotes) {
    struct Case { const char* path; const char* trimmed; };
    const Case cases[] = {
        {R"(C:\Old)", R"(C:\Old)"},
        {R"(C:\Old\)", R"(C:\Old)"},
        {R"(C:\Old\\ )", R"(C:\Old)"},
        {R"("C:\Old\" )", R"("C:\Old)"},
        {R"(C:\My Apps\Old)", R"(C:\My Apps\Old)"},
        {R"( "C:\Old)", R"( "C:\Old)"},
        {"", ""},
        {R"(\)", R"(\)"},
        {R"( \" )", R"( \" )"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(trimTrailingPathChars(c.path), c.trimmed) << "path [" << c.path << "]";
}

TEST(ReadUninstallValue, TakesTheReturnedBytesUpToTheFirstZero) {
    struct Case { std::string bytes; std::string text; };
    const Case cases[] = {
        {std::string("1.7.0\0", 6), "1.7.0"},
        {std::string("1.7.0\0stale bytes", 17), "1.7.0"},
        {"1.7.0", "1.7.0"},                                    // stored without its zero
        {std::string(1024, 'x'), std::string(1024, 'x')},      // fills the offered bytes exactly
        {std::string(1025, 'x'), ""},                          // larger than offered: a failure
        {"", ""},
        {std::string("\0", 1), ""},
    };
    for (const Case& c : cases) {
        CRecordingPlatform platform;
        platform.setUninstallValue(kEntry, "DisplayVersion", c.bytes);
        EXPECT_EQ(readUninstallValue(platform, kEntry, "DisplayVersion"), c.text)
            << "value of " << c.bytes.size() << " bytes";
        EXPECT_EQ(platform.queries, Commands{kEntryKey + "|DisplayVersion|1024"});
    }
}

TEST(ReadUninstallValue, MissingValueOrEntryGivesEmptyText) {
    CRecordingPlatform platform;
    platform.setUninstallValue(kEntry, "DisplayVersion", "1.7.0");
    EXPECT_EQ(readUninstallValue(platform, kEntry, "InstallLocation"), "");
    EXPECT_EQ(readUninstallValue(platform, "Quorvane Tessaline 1.7.1", "DisplayVersion"), "");
}

TEST(CountFolderEntries, SubtractsDotEntriesAndGivesMinusTwoWhenUnlistable) {
    CRecordingPlatform platform;
    platform.searchEntries[R"(C:\Veltrane\*)"] = 3;
    platform.searchEntries[R"(C:\Empty\*)"] = 2;
    EXPECT_EQ(countFolderEntries(platform, R"(C:\Veltrane\)"), 1);
    EXPECT_EQ(countFolderEntries(platform, R"(C:\Empty\)"), 0);
    EXPECT_EQ(countFolderEntries(platform, R"(C:\Missing\)"), -2);
    EXPECT_EQ(platform.searches, (Commands{R"(C:\Veltrane\*)", R"(C:\Empty\*)", R"(C:\Missing\*)"}));
}

TEST(RemoveOldProgramFolder, CompanyFolderOnlyWhenItHoldsJustTheProductFolder) {
    struct Case {
        const char* name;
        std::string oldPath;
        int companyEntries;     // entries that the search of the company folder reports
        std::string search;     // the search expected, empty when none
        std::string removed;    // the folder between the command's double quotes
    };
    const std::string product = R"(C:\Program Files (x86)\Veltrane\Quorvane Tessaline 1.7.0)";
    const std::string company = R"(C:\Program Files (x86)\Veltrane\)";
    const std::string companySearch = company + "*";
    const Case cases[] = {
        {"one entry", product + "\\", 3, companySearch, company},
        {"one entry, trailing blank and quote", product + "\" ", 3, companySearch, company},
        {"two entries", product + "\\", 4, companySearch, product + "\\"},
        {"empty listing", product, 2, companySearch, product},
        {"unlistable", product, 0, companySearch, product},
        {"marker in other case", R"(C:\Program Files (x86)\veltrane\Q 1.7.0)", 3, "",
         R"(C:\Program Files (x86)\veltrane\Q 1.7.0)"},
        {"marker cut off by trimming", R"(C:\Apps\Veltrane\)", 3, "", R"(C:\Apps\Veltrane\)"},
        {"first of two markers", R"(C:\Veltrane\Veltrane\Q)", 3, R"(C:\Veltrane\*)", R"(C:\Veltrane\)"},
        {"no marker", R"(D:\Old\Q 1.7.0\)", 3, "", R"(D:\Old\Q 1.7.0\)"},
    };
    for (const Case& c : cases) {
        CRecordingPlatform platform;
        if (!c.search.empty())
            platform.searchEntries[c.search] = c.companyEntries;
        removeOldProgramFolder(platform, c.oldPath);
        EXPECT_EQ(platform.commands, Commands{"rmdir /S /Q \"" + c.removed + "\""}) << c.name;
        EXPECT_EQ(platform.searches, c.search.empty() ? Commands{} : Commands{c.search}) << c.name;
    }
}

class BrenwickRun : public ::testing::Test {
protected:
    CRecordingPlatform platform;

    void installed(const std::string& location, const std::string& version) {
        platform.setUninstallValue(kEntry, "InstallLocation", location + std::string(1, '\0'));
        platform.setUninstallValue(kEntry, "DisplayVersion", version + std::string(1, '\0'));
    }

    int run(std::vector<const char*> args) {
        args.insert(args.begin(), "brenwick.exe");
        return runOldVersionRemoval(platform, static_cast<int>(args.size()), args.data());
    }
};

TEST_F(BrenwickRun, MatchingVersionRemovesOldFolderThenRunsFixedCommandsInOrder) {
    installed(R"(C:\Program Files (x86)\Quorvane Tessaline 1.7.0\)", "1.7.0");
    EXPECT_EQ(run({R"(C:\Program Files\Quorvane Tessaline 1.7.3)", "1.7.3", "ignored"}), 0);
    EXPECT_EQ(platform.commands,
              expectedCommands(R"(rmdir /S /Q "C:\Program Files (x86)\Quorvane Tessaline 1.7.0\")"));
    EXPECT_EQ(platform.queries, (Commands{kEntryKey + "|InstallLocation|1024",
                                          kEntryKey + "|DisplayVersion|1024"}));
}

TEST_F(BrenwickRun, CompanyFolderChosenThroughTheWholeRun) {
    installed(R"(C:\Program Files (x86)\Veltrane\Quorvane Tessaline 1.7.0)", "1.7.0");
    platform.searchEntries[R"(C:\Program Files (x86)\Veltrane\*)"] = 3;
    EXPECT_EQ(run({R"(C:\Program Files\Quorvane Tessaline 1.7.3)", "1.7.3"}), 0);
    EXPECT_EQ(platform.commands, expectedCommands(R"(rmdir /S /Q "C:\Program Files (x86)\Veltrane\")"));
}

TEST_F(BrenwickRun, QuotesInTheStoredLocationNeverSplitThePath) {
    struct Case { const char* stored; const char* command; };
    const Case cases[] = {
        {R"("C:\Program Files\Q 1.7.0")", R"(rmdir /S /Q "C:\Program Files\Q 1.7.0")"},
        {R"(C:\Program Files\Q 1.7.0\" )", R"(rmdir /S /Q "C:\Program Files\Q 1.7.0\ ")"},
        {R"(C:\A" "B)", R"(rmdir /S /Q "C:\A B")"},
    };
    for (const Case& c : cases) {
        platform = CRecordingPlatform();
        installed(c.stored, "1.7.0");
        run({R"(C:\New)", "1.7.3"});
        EXPECT_EQ(platform.commands, expectedCommands(c.command)) << c.stored;
    }
}

TEST_F(BrenwickRun, FewerThanTwoArgumentsDoNothing) {
    installed(R"(C:\Old)", "1.7.0");
    EXPECT_EQ(run({}), 0);
    EXPECT_EQ(run({R"(C:\New)"}), 0);
    EXPECT_TRUE(platform.queries.empty());
    EXPECT_TRUE(platform.commands.empty());
}

TEST_F(BrenwickRun, NoCommandWhenTheVersionTestFails) {
    struct Case { const char* name; bool entry; const char* oldVersion; const char* newVersion; };
    const Case cases[] = {
        {"no uninstall entry", false, "", "1.7.3"},
        {"no DisplayVersion", true, nullptr, "1.7.3"},
        {"empty DisplayVersion", true, "", "1.7.3"},
        {"older line", true, "1.6.2", "1.7.0"},
        {"newer line", true, "1.7.0", "1.8.0"},
        {"empty new version", true, "1.7.0", ""},
    };
    for (const Case& c : cases) {
        platform = CRecordingPlatform();
        if (c.entry) {
            platform.setUninstallValue(kEntry, "InstallLocation", std::string(R"(C:\Old)") + '\0');
            if (c.oldVersion)
                platform.setUninstallValue(kEntry, "DisplayVersion", std::string(c.oldVersion) + '\0');
        }
        EXPECT_EQ(run({R"(C:\New)", c.newVersion}), 0) << c.name;
        EXPECT_TRUE(platform.commands.empty()) << c.name;
    }
}

TEST_F(BrenwickRun, OldFolderThatIsTheNewFolderStays) {
    struct Case { const char* oldPath; const char* newPath; };
    const Case cases[] = {
        {R"(C:\Quorvane\Tessaline)", R"(C:\Quorvane\Tessaline)"},
        {R"(C:\Quorvane\Tessaline\)", R"(C:\Quorvane\Tessaline)"},
        {R"("C:\Quorvane\Tessaline\" )", R"("C:\Quorvane\Tessaline\\)"},
        {R"(C:\Quorvane\Tessaline)", R"(c:\QUORVANE\tessaline\)"},
        {R"(C:\Program Files (x86)\Veltrane\Q\)", R"(c:\program files (x86)\veltrane\q)"},
    };
    for (const Case& c : cases) {
        platform = CRecordingPlatform();
        installed(c.oldPath, "1.7.0");
        run({c.newPath, "1.7.2"});
        EXPECT_EQ(platform.commands, expectedCommands()) << "old [" << c.oldPath << "] new [" << c.newPath << "]";
        EXPECT_TRUE(platform.searches.empty());
    }
}

TEST_F(BrenwickRun, EmptyOldLocationRemovesNoFolderButRunsFixedCommands) {
    const char* const locations[] = {nullptr, "", "\\", "  ", "\"\"", " \\\" "};
    for (const char* location : locations) {
        platform = CRecordingPlatform();
        if (location)
            platform.setUninstallValue(kEntry, "InstallLocation", std::string(location) + '\0');
        platform.setUninstallValue(kEntry, "DisplayVersion", std::string("1.7.0") + '\0');
        run({R"(C:\New)", "1.7.3"});
        EXPECT_EQ(platform.commands, expectedCommands()) << "location [" << (location ? location : "missing") << "]";
    }
}

TEST_F(BrenwickRun, ValueWithoutTerminatingZeroEndsWithTheReturnedBytes) {
    platform.setUninstallValue(kEntry, "InstallLocation", R"(C:\Old Quorvane)");
    platform.setUninstallValue(kEntry, "DisplayVersion", "1.7.0");
    run({R"(C:\New)", "1.7.3"});
    EXPECT_EQ(platform.commands, expectedCommands(R"(rmdir /S /Q "C:\Old Quorvane")"));
}

}  // namespace
}  // namespace brenwick
