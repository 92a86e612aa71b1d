// Failures of the SRTF core, thrown by value and caught by reference.
//
// CSrtfException: document-level errors (unknown or missing section, version
// mismatch) with one ErrorEntry each, the format version and the build date.
// FileError (an ErrorBase): open/close/read/write failures and syntax errors,
// with errno (or -2), path, mode, message, raising source file and line.
// The catalogue's codes, lines and messages are constants below so that the
// raisers and the tests share them.
#ifndef SRTF_SRTFERRORS_H
#define SRTF_SRTFERRORS_H

#include <string>
#include <vector>

class ErrorBase {
public:
    ErrorBase() = default;
    explicit ErrorBase(int code) : code_(code) {}
    ~ErrorBase() = default;
    void SetCode(int code) { code_ = code; }
    int GetCode() const { return code_; }

private:
    int code_ = 0;
};

class FileError : public ErrorBase {
public:
    explicit FileError(int code) : ErrorBase(code) {}
    FileError(const FileError&) = default;
    FileError& operator=(const FileError&) = default;
    ~FileError() = default;

    void SetPath(const std::string& s) { path = s; }
    void SetMessage(const std::string& s) { message = s; }
    void SetMode(const std::string& s) { mode = s; }
    void SetSourceFile(const std::string& s) { sourceFile = s; }
    void SetLine(int l) { line = l; }

    std::string path;
    std::string message;
    std::string mode;
    std::string sourceFile;
    int line = 0;
};

class ErrorEntry {
public:
    ErrorEntry() = default;
    ErrorEntry(const ErrorEntry&) = default;
    ErrorEntry& operator=(const ErrorEntry&) = default;
    ~ErrorEntry() = default;

    void SetCode(int c) { code = c; }
    void SetLine(int l) { line = l; }
    void SetMessage(std::string s) { message = std::move(s); }
    void SetSourceFile(std::string s) { sourceFile = std::move(s); }
    void SetDetail(std::string s) { detail = std::move(s); }

    int code = 0;
    int line = 0;
    int reserved1 = 0, reserved2 = 0, reserved3 = 0;
    std::string message;
    std::string sourceFile;
    std::string detail;
    std::string reservedText;
};

class CSrtfException {
public:
    CSrtfException() = default;
    CSrtfException(const CSrtfException&) = default;
    CSrtfException& operator=(const CSrtfException&) = default;
    virtual ~CSrtfException() = default;

    void AddErrorEntry(const ErrorEntry& e) { errors.push_back(e); }
    void SetSrtfVersion(int v) { srtfVersion = v; }
    void SetBuildDate(std::string d) { buildDate = std::move(d); }

    int srtfVersion = 0;
    std::string text;
    std::string buildDate;
    std::vector<ErrorEntry> errors;
};

// The error catalogue.
namespace SrtfErr {
constexpr int kCodeInvalidSection = 0x01078001;
constexpr int kCodeVersionMismatch = 0x01078004;
constexpr int kFormatVersion = 45;
constexpr int kSyntaxErrorCode = -2;

constexpr int kLineVersionMismatch = 477;
constexpr int kLineFindSection = 1854;
constexpr int kLineSectionKeyword = 2215;
constexpr int kLineSectionCount = 2295;
constexpr int kLineCreateSection = 1754;

constexpr int kLineOpen = 84, kLineClose = 117, kLineFgetc = 154, kLineFgets = 188,
              kLineUngetc = 221, kLineFputc = 255, kLineFputs = 288;
constexpr int kLineWriteRaw = 147;
constexpr int kLineExpectSymbol = 235, kLineExpectEqual = 253, kLineUnexpectedEof = 343;

extern const char* const kMsgVersionMismatch;
extern const char* const kMsgInvalidSection;
extern const char* const kMsgInvalidCreateSection;
extern const char* const kMsgExpectSymbol;
extern const char* const kMsgExpectEqual;
extern const char* const kMsgUnexpectedEof;
extern const char* const kMsgSharingViolation;
}  // namespace SrtfErr

// The library's build date in the compiler's date form ("Mar  8 2021").
const std::string& SrtfBuildDate();

// Builds the one-entry exception of the catalogue (source file and line of the
// raiser, build date, version); the caller throws it.
CSrtfException MakeSrtfException(int code, int line, const char* message,
                                 const std::string& detail, int version,
                                 const char* sourceFile);

#endif
