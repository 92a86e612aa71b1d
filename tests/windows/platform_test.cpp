// The platform layer against Windows itself (these tests run under wine):
// the system's error texts, a file that another process holds without
// sharing, a write that the system refuses, file names beyond ASCII,
// positions beyond 2 GB, the message box and the multibyte code page.
#include <windows.h>

#include <gtest/gtest.h>
#include <mbctype.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ipiobase.h"
#include "platform/appobject.h"
#include "platform/codepage.h"
#include "platform/messagebox.h"
#include "platform/systemerror.h"
#include "srtf_test_util.h"
#include "srtfcontainer.h"
#include "srtferrors.h"
#include "srtftext.h"
#include "windows_test_util.h"

namespace {

const std::string kOpenPrefix = "IpIoBase: open() failed. Here is the error message: ";
const std::string kSharingText =
    "The Dode Didud Eduzov can't access the internal SRTF file because the Zara Ro Rivure is using it.";

using srtftest::CatchFileError;

using srtftest::IsPrefixAndOneOf;
using srtftest::WindowsSystemTexts;

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// ---- error texts ----

TEST(WindowsErrorText, FailuresCarryTheSystemsTextWithItsLineEnd) {
    const std::string missingFile = srtftest::TempPath("missing.srtf");
    const FileError file = CatchFileError([&] { IpIoBase io(missingFile, "r"); });
    EXPECT_EQ(file.GetCode(), ENOENT);
    EXPECT_EQ(file.line, 84);
    EXPECT_TRUE(IsPrefixAndOneOf(file.message, kOpenPrefix, WindowsSystemTexts(ERROR_FILE_NOT_FOUND)));

    // The whole road: a document whose file cannot be read loses its handle.
    CSRTFContainer doc;
    doc.SetFilePath(missingFile);
    EXPECT_THROW(doc.Read(), FileError);
}

TEST(WindowsErrorText, ACodeWithoutSystemMessageGivesTheEmptyText) {
    IpIoBase io;
    SetLastError(0x2000ABCD);  // a code of an application: the system has no text for it
    errno = ERANGE;
    EXPECT_EQ(io.SystemErrorText(), "");
    EXPECT_EQ(errno, ERANGE);
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_TRUE(IsPrefixAndOneOf(io.SystemErrorText(), "", WindowsSystemTexts(ERROR_ACCESS_DENIED)));
}

// ---- a file that another process holds ----

// This program started again to hold a file open without sharing until it
// is told to let go (see below); skipped in an ordinary run.
TEST(WindowsSharing, HolderProcess) {
    const char* path = std::getenv("SRTF_HOLD_FILE");
    if (!path) GTEST_SKIP() << "run by SharingViolationOfAnotherProcess only";
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    HANDLE held = OpenEventA(EVENT_MODIFY_STATE, FALSE, std::getenv("SRTF_HOLD_HELD"));
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, std::getenv("SRTF_HOLD_RELEASE"));
    ASSERT_TRUE(held && release);
    SetEvent(held);
    WaitForSingleObject(release, 60000);
    CloseHandle(file);
}

TEST(WindowsSharing, SharingViolationOfAnotherProcess) {
    const std::string path = srtftest::TempPath("held.srtf");
    WriteFileBytes(path, "[HeaderSection]\r\n");
    const std::string id = std::to_string(GetCurrentProcessId());
    const std::string heldName = "srtf-held-" + id, releaseName = "srtf-release-" + id;
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, heldName.c_str());
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str());
    SetEnvironmentVariableA("SRTF_HOLD_FILE", path.c_str());
    SetEnvironmentVariableA("SRTF_HOLD_HELD", heldName.c_str());
    SetEnvironmentVariableA("SRTF_HOLD_RELEASE", releaseName.c_str());
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = "\"" + std::string(self) + "\" --gtest_filter=WindowsSharing.HolderProcess";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
    SetEnvironmentVariableA("SRTF_HOLD_FILE", nullptr);
    ASSERT_EQ(WaitForSingleObject(held, 60000), WAIT_OBJECT_0) << "the other process did not open the file";

    for (const char* mode : {"r", "w"}) {
        const FileError e = CatchFileError([&] { IpIoBase io(path, mode); });
        EXPECT_EQ(e.message, kOpenPrefix + kSharingText) << mode;
        EXPECT_EQ(e.GetCode(), EACCES) << mode;
        EXPECT_EQ(e.line, 84) << mode;
        EXPECT_EQ(e.mode, mode);
    }

    SetEvent(release);
    WaitForSingleObject(child.hProcess, 60000);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    CloseHandle(held);
    CloseHandle(release);
    IpIoBase io(path, "r");  // let go: it opens again
    EXPECT_EQ(io.fgetc(), '[');
}

// ---- a write that the system refuses ----

TEST(WindowsWriteFailure, AWriteToAPipeWhoseReaderIsGoneCarriesTheSystemsText) {
    const std::string name = "\\\\.\\pipe\\srtf-test-" + std::to_string(GetCurrentProcessId());
    HANDLE reader = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096,
                                     4096, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    IpIoBase io(name, "w");
    CloseHandle(reader);
    const FileError e = CatchFileError([&] {
        io.fputs(std::string(256 * 1024, 'x'));  // more than the buffer: it reaches the pipe
        io.close();
    });
    EXPECT_TRUE(e.line == 288 || e.line == 117) << e.line;
    EXPECT_EQ(e.path, name);
    ASSERT_EQ(e.message.compare(0, 9, "IpIoBase:"), 0) << e.message;
    const std::string text = e.message.substr(e.message.find("message: ") + 9);
    // The system says the pipe is being closed (Windows) or broken (wine).
    std::vector<std::string> pipeTexts = WindowsSystemTexts(ERROR_NO_DATA);
    for (const std::string& t : WindowsSystemTexts(ERROR_BROKEN_PIPE)) pipeTexts.push_back(t);
    EXPECT_TRUE(IsPrefixAndOneOf(text, "", pipeTexts));
}

// ---- file names ----

TEST(WindowsFileNames, PathBytesAreOpenedByTheirUtf16Name) {
    const std::string dir = srtftest::TempPath("names");
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
    const struct {
        const char* bytes;    // as the Java side hands them over (modified UTF-8)
        const wchar_t* name;  // the file name on the disk
    } cases[] = {
        {"caf\xC3\xA9.srtf", L"caf\u00e9.srtf"},
        {"\xE6\x97\xA5\xE6\x9C\xAC.srtf", L"\u65e5\u672c.srtf"},
        {"smile \xED\xA0\xBD\xED\xB8\x80.srtf", L"smile \xD83D\xDE00.srtf"},  // two encoded surrogates
        {"four \xF0\x9F\x98\x80.srtf", L"four \xD83D\xDE00.srtf"},            // standard UTF-8 is taken too
    };
    for (const auto& c : cases) {
        const std::string path = dir + "\\" + c.bytes;
        CSRTFContainer doc;
        doc.CreateSection(0);
        doc.SetFilePath(path);
        doc.Save();
        const std::wstring wide = wintest::WideOf(dir) + L"\\" + c.name;
        const std::string written = wintest::ReadWide(wide);
        EXPECT_NE(written.find("SRTFFileSpec = \"" + path + "\";\r\n"), std::string::npos)
            << "the header keeps the bytes as given: " << c.bytes;

        CSRTFContainer back;
        back.SetFilePath(path);
        EXPECT_NO_THROW(back.Read()) << c.bytes;
        EXPECT_NE(back.FindSection(0, false), nullptr) << c.bytes;
        DeleteFileW(wide.c_str());
    }
    RemoveDirectoryA(dir.c_str());
}

// The names in a folder, "." and ".." left out.
std::vector<std::string> FolderEntries(const std::string& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
}

// Bytes that are no modified UTF-8 (or that hold U+0000) would name another
// file than the caller meant, by the ANSI code page or cut at the NUL: no
// file is opened or made, and the failure says EINVAL.
TEST(WindowsFileNames, BytesThatNameNoTextOpenNothing) {
    const std::string dir = srtftest::TempPath("badnames");
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
    const struct {
        const char* bytes;
        const char* what;
    } cases[] = {
        {"a\xC0\x80" "b.srtf", "U+0000 as modified UTF-8 writes it"},
        {"caf\xC3", "a sequence cut at the end"},
        {"\x80.srtf", "a stray continuation byte"},
        {"\xC1\x81.srtf", "an overlong two-byte form"},
        {"\xE0\x80\xAF.srtf", "an overlong three-byte form"},
        {"\xF4\x90\x80\x80.srtf", "beyond U+10FFFF"},
        {"\xF8\x88\x80\x80\x80.srtf", "a five-byte form"},
    };
    for (const auto& c : cases) {
        const std::string path = dir + "\\" + c.bytes;
        for (const char* mode : {"w", "r"}) {
            const FileError e = CatchFileError([&] { IpIoBase io(path, mode); });
            EXPECT_EQ(e.GetCode(), EINVAL) << c.what << ", mode " << mode;
            EXPECT_EQ(e.line, 84) << c.what;
            EXPECT_EQ(e.path, path) << c.what;
        }
        EXPECT_TRUE(FolderEntries(dir).empty()) << c.what << ": made " << FolderEntries(dir).front();
    }
    RemoveDirectoryA(dir.c_str());
}

TEST(WindowsFileNames, DriveLettersAndBackslashes) {
    std::string path = srtftest::FixturePath("sample/sample.srtf");
    for (char& c : path)
        if (c == '/') c = '\\';
    ASSERT_EQ(path.compare(1, 2, ":\\"), 0) << path;
    CSRTFContainer doc;
    doc.SetFilePath(path);
    doc.Read();
    EXPECT_GT(doc.CountObjects(), 0);
}

// ---- positions beyond 2 GB ----

TEST(WindowsPositions, SeekingWorksBeyondWhatLongHolds) {
    const std::string path = srtftest::TempPath("big.srtf");
    const LONGLONG at = 3LL << 30;  // 3 GB: beyond long, which has 32 bits on Windows
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD ignored = 0;
    DeviceIoControl(f, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);  // where it can be
    LARGE_INTEGER position;
    position.QuadPart = at;
    ASSERT_TRUE(SetFilePointerEx(f, position, nullptr, FILE_BEGIN));
    ASSERT_TRUE(WriteFile(f, "[A]\r\n", 5, &ignored, nullptr));
    CloseHandle(f);

    IpIoBase io(path, "r");
    ASSERT_EQ(io.fseek(0, SEEK_END), 0);
    EXPECT_EQ(io.ftell(), 0) << "a position that long cannot hold reads as a failed ftell";
    ASSERT_EQ(io.fseek(-5, SEEK_CUR), 0) << "seeking from there";
    EXPECT_EQ(io.fgetc(), '[');
    EXPECT_EQ(io.fgetc(), 'A');
    io.close();
    DeleteFileA(path.c_str());
}

// ---- the message box ----

// Shows the box with a hook that reads and closes it.
int ShowAndClose(const char* text, wintest::BoxSeen& seen) {
    wintest::MessageBoxCloser closer;
    const int answer = AfxMessageBox(text, MB_OK, 0);
    seen = closer.Seen();
    return answer;
}

TEST(WindowsMessageBox, ShowsTheTextWithAnOkButtonAndReturnsWhenClosed) {
    ASSERT_EQ(AfxGetApp(), nullptr);
    wintest::BoxSeen box;
    EXPECT_EQ(ShowAndClose("Hello world from MFC!", box), IDOK);
    EXPECT_EQ(box.count, 1);
    EXPECT_EQ(box.text, "Hello world from MFC!");
    EXPECT_EQ(box.caption, "tolvane_windows_platform_tests") << "without an application object: the module's name";
    EXPECT_TRUE(box.ok && !box.cancel);

    CWinApp app("Quorvane Tessaline");
    EXPECT_EQ(ShowAndClose("second", box), IDOK);
    EXPECT_EQ(box.caption, "Quorvane Tessaline") << "the application's name";
}

// ---- the multibyte code page ----

TEST(WindowsCodePage, LeadBytesCountOnlyUnderTheJapaneseCodePage) {
    const int before = _getmbcp();
    ASSERT_EQ(_setmbcp(932), 0);
    EXPECT_EQ(PlatformIsJapaneseLeadByte(0x81), IsDBCSLeadByte(0x81) != FALSE);
    EXPECT_FALSE(PlatformIsJapaneseLeadByte(' '));
    std::string text = " \t\x81\x40 x";
    TrimBlanks(text, 1);
    EXPECT_EQ(text, "\x81\x40 x");  // blanks go; the double-byte character and what follows stay
    ASSERT_EQ(_setmbcp(1252), 0);
    EXPECT_FALSE(PlatformIsJapaneseLeadByte(0x81));
    _setmbcp(before);
}

}  // namespace
