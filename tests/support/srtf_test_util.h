// Helpers shared by the C++ tests: temporary files, whole-file reads and the
// fixture round trip (read a file into a container, save it, compare bytes).
#ifndef SRTF_TEST_UTIL_H
#define SRTF_TEST_UTIL_H

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include <unistd.h>

#include <memory>
#include <utility>
#include <vector>

#include "ipfmtwrite.h"
#include "srtfcontainer.h"
#include "srtferrors.h"

#ifndef SRTF_FIXTURES_DIR
#define SRTF_FIXTURES_DIR "tests/fixtures"
#endif

namespace srtftest {

inline std::string FixturePath(const std::string& name) {
    return std::string(SRTF_FIXTURES_DIR) + "/" + name;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The folder of this test process for the files that its tests write: made on
// first use in GoogleTest's temporary folder (TEST_TMPDIR, else TMPDIR, else
// the system's) and removed with everything in it when the process ends,
// whether its tests passed or not; SRTF_KEEP_TEST_FILES=1 keeps it for
// looking at a failure (its path is then printed).
inline const std::string& TestRunFolder() {
    struct Folder {
        std::string path;
        ~Folder() {
            const char* keep = std::getenv("SRTF_KEEP_TEST_FILES");
            if (keep && *keep && std::string(keep) != "0") {
                std::fprintf(stderr, "test files kept in %s\n", path.c_str());
                return;
            }
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static Folder folder{[] {
        // The process id keeps runs of several builds at once apart.
        std::string path = ::testing::TempDir() + "srtf_" + std::to_string(static_cast<long>(getpid()));
        std::filesystem::create_directories(path);
        return path + "/";
    }()};
    return folder.path;
}

// A fresh path in the test process's folder, named after the running test.
inline std::string TempPath(const std::string& name) {
    const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string id = t ? std::string(t->test_suite_name()) + "_" + t->name() : "x";
    for (char& c : id)
        if (c == '/') c = '_';
    std::string p = TestRunFolder() + id + "_" + name;
    std::remove(p.c_str());
    return p;
}

// Text with "\n" line ends turned into the CR LF that files carry.
inline std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// Reads `path`, saves the document to a temporary file and returns the saved
// bytes.
inline std::string ReadAndSave(const std::string& path, CSRTFContainer& doc) {
    doc.SetFilePath(path);
    doc.Read();
    const std::string out = TempPath("saved.srtf");
    doc.SetFilePath(out);
    doc.Save();
    return ReadBytes(out);
}

// Reads a fixture and saves it again; the saved bytes must equal the expected
// file's (the fixture itself when it is already in the written form).
inline void ExpectRoundTrip(const std::string& fixture, const std::string& expected = "") {
    CSRTFContainer doc;
    const std::string saved = ReadAndSave(FixturePath(fixture), doc);
    const std::string want = ReadBytes(FixturePath(expected.empty() ? fixture : expected));
    ASSERT_FALSE(want.empty()) << "missing fixture " << fixture;
    EXPECT_EQ(want, saved) << "round trip of " << fixture;
}

// ---- sections and records as the tests look at them ----

inline void Dispatch(CSectionBase& s, std::string type, const std::string& value) {
    s.DispatchRecord(type, value);
}

// The record's columns as WriteColumns appends them (no record type, no ";").
inline std::string Columns(CObjectBase& r) {
    COutputLineBuffer b;
    r.WriteColumns(b);
    return std::string(b.Data() ? b.Data() : "", static_cast<size_t>(b.Length()));
}

// The text that one section writes, as it reaches the file (CR LF line ends).
inline std::string Written(CSectionBase& s) {
    const std::string path = TempPath("section.srtf");
    {
        IpFmtWrite w(path);
        s.Write(w);
        w.close();
    }
    return ReadBytes(path);
}

// Reads `text` (with "\n" line ends) as a file and returns the container.
inline std::unique_ptr<CSRTFContainer> ReadText(const std::string& text) {
    const std::string path = TempPath("input.srtf");
    WriteBytes(path, Crlf(text));
    auto doc = std::make_unique<CSRTFContainer>();
    doc->SetFilePath(path);
    doc->Read();
    return doc;
}

// The tech keys from a reset to the end (at most 100, so a walk that never
// ends fails instead of hanging).
inline std::vector<int> TechKeys(CObjectBase& r) {
    std::vector<int> keys;
    int v = 0;
    for (int reset = 1; r.IterateTechKeyProperty(reset, v) && keys.size() < 100; reset = 0)
        keys.push_back(v);
    return keys;
}

// The foreign keys from a reset to the end, as (key value, SectionId).
inline std::vector<std::pair<int, int>> ForeignKeys(CObjectBase& r) {
    std::vector<std::pair<int, int>> fks;
    ForeignKeyRef fk;
    for (int reset = 1; r.IterateForeignKey(reset, fk) && fks.size() < 100; reset = 0)
        fks.emplace_back(fk.keyValue, fk.objectType);
    return fks;
}

// The FileError that body raises; a test failure and FileError(0) if it
// raises none.
template <class Body>
FileError CatchFileError(Body body) {
    try {
        body();
    } catch (const FileError& e) {
        return e;
    }
    ADD_FAILURE() << "no FileError was raised";
    return FileError(0);
}

// Whether text is prefix followed by one of the given texts.
inline ::testing::AssertionResult IsPrefixAndOneOf(const std::string& text, const std::string& prefix,
                                                   const std::vector<std::string>& tails) {
    for (const std::string& tail : tails)
        if (text == prefix + tail) return ::testing::AssertionSuccess();
    ::testing::AssertionResult result = ::testing::AssertionFailure();
    result << "\"" << text << "\" is not \"" << prefix << "\" followed by one of:";
    for (const std::string& tail : tails) result << " \"" << tail << "\"";
    return result;
}

#if defined(_WIN32)
// What the system's message table says for an error code, in English as
// Windows words it and as wine (where the Windows tests run) words it, each
// with the table's line end; empty for a code not listed here.
inline std::vector<std::string> WindowsSystemTexts(unsigned code) {
    switch (code) {
        case 2:  // ERROR_FILE_NOT_FOUND
            return {"The system cannot find the file specified.\r\n", "File not found.\r\n"};
        case 3:  // ERROR_PATH_NOT_FOUND
            return {"The system cannot find the path specified.\r\n", "Path not found.\r\n"};
        case 5:  // ERROR_ACCESS_DENIED
            return {"Access is denied.\r\n", "Access denied.\r\n"};
        case 109:  // ERROR_BROKEN_PIPE
            return {"The pipe has been ended.\r\n", "Broken pipe.\r\n"};
        case 232:  // ERROR_NO_DATA
            return {"The pipe is being closed.\r\n", "Pipe closed.\r\n"};
        default:
            return {};
    }
}
#endif

}  // namespace srtftest

#endif
