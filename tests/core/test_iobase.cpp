// IpIoBase: CR LF translation in both directions (also across the read
// block boundary), 0x1A as data, push-back, logical ftell/fseek over the read
// buffer, and the FileError of each failing operation (missing folder, a
// directory, /dev/full, the sharing-violation text, a non-seekable stream).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ipiobase.h"
#include "platform/systemerror.h"
#include "srtf_test_util.h"
#include "srtferrors.h"

namespace fs = std::filesystem;

namespace {

class IoBaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        std::random_device random;
        dir_ = fs::path(::testing::TempDir()) /
               ("srtf_iobase_" + std::to_string(random()) + "_" + std::to_string(++counter));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        SrtfSetSimulatedSharingViolation(false);
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    std::string MakeFile(const std::string& name, const std::string& bytes) const {
        const std::string path = PathOf(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path dir_;
};

// What reading gives for the bytes of a file: every CR LF becomes "\n".
std::string Translated(const std::string& raw) {
    std::string out;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
        out += raw[i];
    }
    return out;
}

std::string ReadAllByFgetc(IpIoBase& io) {
    std::string out;
    for (int c, guard = 0; guard < 10000000 && (c = io.fgetc()) != EOF; ++guard)
        out += static_cast<char>(c);
    return out;
}

std::string ReadAllByFgets(IpIoBase& io, int size) {
    std::string out;
    std::vector<char> buffer(static_cast<size_t>(size));
    for (int guard = 0; guard < 10000000; ++guard) {
        char* line = io.fgets(buffer.data(), size);
        if (!line) break;
        const std::string piece(line);
        EXPECT_LE(piece.size(), static_cast<size_t>(size - 1));
        // a piece ends at its first "\n"
        const size_t lf = piece.find('\n');
        EXPECT_TRUE(lf == std::string::npos || lf == piece.size() - 1);
        out += piece;
    }
    return out;
}

using srtftest::CatchFileError;

// The system's error code of a path in a missing folder, as the system's
// last error gives it, and the system's own texts for it.
#if defined(_WIN32)
constexpr int kMissingFolderError = 3;  // ERROR_PATH_NOT_FOUND
const std::vector<std::string> kMissingFolderTexts = srtftest::WindowsSystemTexts(kMissingFolderError);
#else
constexpr int kMissingFolderError = ENOENT;
const std::vector<std::string> kMissingFolderTexts = {"No such file or directory"};
#endif
const std::string kOpenFailed = "IpIoBase: open() failed. Here is the error message: ";

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST_F(IoBaseTest, ReadingTranslatesCrLfOnly) {
    struct Case {
        std::string raw;
        std::string text;
    };
    const Case cases[] = {
        {"a\r\nb\n", "a\nb\n"},
        {"a\rb\r", "a\rb\r"},
        {"\r\r\n\n\r", "\r\n\n\r"},
        {"x\x1Ay\r\n\x1A\r\n", "x\x1Ay\n\x1A\n"},  // 0x1A is data
        {"\x80\xFF\x01z\r\r", "\x80\xFF\x01z\r\r"},
        {"", ""},
    };
    for (const Case& c : cases) {
        const std::string path = MakeFile("t.txt", c.raw);
        IpIoBase byChar(path, "r");
        EXPECT_EQ(ReadAllByFgetc(byChar), c.text);
        EXPECT_EQ(byChar.fgetc(), EOF);  // the end stays the end, without an error
        IpIoBase byLine(path, "r");
        EXPECT_EQ(ReadAllByFgets(byLine, 256), c.text);
        EXPECT_EQ(byLine.fgets(std::vector<char>(8).data(), 8), nullptr);
    }
}

// Many CR, LF and CR LF placed at and around the 64 KiB read blocks and the
// fgets limits read the same by every road.
TEST_F(IoBaseTest, TranslationAcrossBlockAndBufferBoundaries) {
    std::string raw;
    std::mt19937 random(12345);
    const char alphabet[] = {'a', '\r', '\n', '\x1A', '\xFF', ';'};
    while (raw.size() < 3 * 65536 + 100) raw += alphabet[random() % sizeof alphabet];
    // CR LF split exactly across the first block boundary, a lone CR at the second
    raw[65535] = '\r';
    raw[65536] = '\n';
    raw[2 * 65536 - 1] = '\r';
    raw[2 * 65536] = 'q';
    const std::string text = Translated(raw);
    const std::string path = MakeFile("mix.txt", raw);

    IpIoBase byChar(path, "r");
    EXPECT_EQ(ReadAllByFgetc(byChar), text);
    for (int size : {2, 3, 7, 256, 70000}) {
        IpIoBase byLine(path, "r");
        EXPECT_EQ(ReadAllByFgets(byLine, size), text) << "size " << size;
    }
    // Mixed: a byte read and pushed back before each fgets.
    IpIoBase mixed(path, "r");
    std::string out;
    char buffer[5];
    for (int c; (c = mixed.fgetc()) != EOF;) {
        ASSERT_EQ(mixed.ungetc(c), c);
        ASSERT_NE(mixed.fgets(buffer, sizeof buffer), nullptr);
        out += buffer;
    }
    EXPECT_EQ(out, text);
}

TEST_F(IoBaseTest, PushBack) {
    const std::string path = MakeFile("p.txt", "ab\r\ncd");
    IpIoBase io(path, "r");
    EXPECT_EQ(io.ungetc(EOF), EOF);  // nothing pushed back, nothing changed
    EXPECT_EQ(io.fgetc(), 'a');
    EXPECT_EQ(io.ungetc('a'), 'a');
    EXPECT_EQ(io.ungetc('z'), EOF);  // one byte of push-back
    EXPECT_EQ(io.fgetc(), 'a');
    EXPECT_EQ(io.fgetc(), 'b');
    EXPECT_EQ(io.fgetc(), '\n');
    EXPECT_EQ(io.ungetc('\n'), '\n');
    char line[16];
    ASSERT_NE(io.fgets(line, sizeof line), nullptr);
    EXPECT_STREQ(line, "\n");  // the pushed-back line end ends the line
    EXPECT_EQ(io.ungetc('X'), 'X');  // another byte than the one read
    ASSERT_NE(io.fgets(line, sizeof line), nullptr);
    EXPECT_STREQ(line, "Xcd");
    EXPECT_EQ(io.fgets(line, sizeof line), nullptr);
}

TEST_F(IoBaseTest, TellAndSeekFollowTheReader) {
    const std::string raw = "ab\r\ncd\nef";
    const std::string path = MakeFile("s.txt", raw);
    IpIoBase io(path, "r");
    EXPECT_EQ(io.ftell(), 0);
    EXPECT_EQ(io.fgetc(), 'a');
    EXPECT_EQ(io.ftell(), 1);
    io.fgetc();
    EXPECT_EQ(io.fgetc(), '\n');
    EXPECT_EQ(io.ftell(), 4);  // CR LF are two bytes of the file
    io.ungetc('\n');
    EXPECT_EQ(io.ftell(), 2);
    char line[16];
    io.fgets(line, sizeof line);
    EXPECT_EQ(io.ftell(), 4);
    io.fgets(line, sizeof line);
    EXPECT_STREQ(line, "cd\n");
    EXPECT_EQ(io.ftell(), 7);

    EXPECT_EQ(io.fseek(1, SEEK_SET), 0);  // drops what was read ahead
    EXPECT_EQ(io.fgetc(), 'b');
    EXPECT_EQ(io.fseek(2, SEEK_CUR), 0);
    EXPECT_EQ(io.ftell(), 4);
    EXPECT_EQ(io.fgetc(), 'c');
    EXPECT_EQ(io.fseek(-2, SEEK_END), 0);
    EXPECT_EQ(io.fgetc(), 'e');
    EXPECT_NE(io.fseek(-100, SEEK_SET), 0);  // a failing fseek raises nothing
    EXPECT_EQ(io.fseek(0, SEEK_SET), 0);
    EXPECT_EQ(ReadAllByFgetc(io), Translated(raw));
}

TEST_F(IoBaseTest, WritingTurnsEveryLineEndIntoCrLf) {
    const std::string path = PathOf("w.txt");
    {
        IpIoBase io(path, "w");
        EXPECT_GE(io.fputs("a\nb"), 0);
        EXPECT_EQ(io.fputc('\n'), '\n');
        EXPECT_EQ(io.fputc(0xE9), 0xE9);
        io.fputs(std::string("c\n\nd\0ignored", 12));  // up to the first zero byte
        io.fputs("\r\x1A");
        EXPECT_EQ(io.ftell(), 15);
        io.close();
    }
    EXPECT_EQ(Contents(path), "a\r\nb\r\n\xE9" "c\r\n\r\nd\r\x1A");

    // A large text, written in one piece and byte by byte.
    std::string big;
    for (int i = 0; i < 200000; ++i) big += (i % 97 == 0) ? '\n' : static_cast<char>('a' + i % 26);
    std::string expected;
    for (char c : big) expected += (c == '\n') ? std::string("\r\n") : std::string(1, c);
    {
        IpIoBase io(path, "w");
        io.fputs(big);
        io.fputs(big.substr(0, 1000));
        for (char c : big.substr(1000, 5000)) io.fputc(c);
    }  // the destructor closes and writes the rest
    std::string more;
    for (char c : big.substr(0, 1000) + big.substr(1000, 5000))
        more += (c == '\n') ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(Contents(path), expected + more);
}

TEST_F(IoBaseTest, OpenFailureInAMissingFolder) {
    const std::string path = PathOf("no/such/folder/file.srtf");
    IpIoBase io;
    const FileError e = CatchFileError([&] { io.open(path, "r"); });
    EXPECT_EQ(e.GetCode(), ENOENT);
    EXPECT_EQ(e.line, 84);
    EXPECT_EQ(e.path, path);
    EXPECT_EQ(e.mode, "r");
    EXPECT_TRUE(srtftest::IsPrefixAndOneOf(e.message, kOpenFailed, kMissingFolderTexts));
    EXPECT_TRUE(EndsWith(e.sourceFile, "ipiobase.cpp")) << e.sourceFile;
    EXPECT_FALSE(io.IsOpen());
    EXPECT_EQ(io.GetPath(), path);  // the values that were tried
    EXPECT_EQ(io.GetMode(), "r");

    const FileError viaConstructor = CatchFileError([&] { IpIoBase other(path, "w"); });
    EXPECT_EQ(viaConstructor.line, 84);
    EXPECT_EQ(viaConstructor.mode, "w");
}

TEST_F(IoBaseTest, SharingViolationText) {
    SrtfSetSimulatedSharingViolation(true);
    const FileError e = CatchFileError([&] { IpIoBase io(PathOf("missing/x.srtf"), "r"); });
    EXPECT_EQ(e.message,
              "IpIoBase: open() failed. Here is the error message: The Dode Didud Eduzov can't access "
              "the internal SRTF file because the Zara Ro Rivure is using it.");
    EXPECT_EQ(e.line, 84);
    SrtfSetSimulatedSharingViolation(false);
    IpIoBase io;
    PlatformSetLastError(kMissingFolderError);
    errno = ENOENT;
    EXPECT_TRUE(srtftest::IsPrefixAndOneOf(io.SystemErrorText(), "", kMissingFolderTexts));
    EXPECT_EQ(errno, ENOENT);  // taking the text leaves errno alone
}

#if defined(_WIN32)
// Windows refuses to open a folder as a file: the open fails.
TEST_F(IoBaseTest, ReadingADirectoryFails) {
    const FileError e = CatchFileError([&] { IpIoBase io(dir_.string(), "r"); });
    EXPECT_EQ(e.GetCode(), EACCES);
    EXPECT_EQ(e.line, 84);
    EXPECT_TRUE(srtftest::IsPrefixAndOneOf(e.message, kOpenFailed, srtftest::WindowsSystemTexts(5)));
    EXPECT_EQ(e.path, dir_.string());
}
#else
// fopen of a directory succeeds here; the failure comes with the first read.
TEST_F(IoBaseTest, ReadingADirectoryFails) {
    struct Case {
        int line;
        const char* prefix;
        std::function<void(IpIoBase&)> read;
    };
    const Case cases[] = {
        {154, "IpIoBase::fgetc() failed. Here is the error message: ", [](IpIoBase& io) { io.fgetc(); }},
        {188, "IpIoBase::fgets() failed. Here is the error message: ",
         [](IpIoBase& io) {
             char buffer[256];
             io.fgets(buffer, sizeof buffer);
         }},
    };
    for (const Case& c : cases) {
        IpIoBase io(dir_.string(), "r");
        const FileError e = CatchFileError([&] { c.read(io); });
        EXPECT_EQ(e.GetCode(), EISDIR);
        EXPECT_EQ(e.line, c.line);
        EXPECT_EQ(e.message, c.prefix + PlatformErrorText(EISDIR));
        EXPECT_EQ(e.path, dir_.string());
        EXPECT_EQ(e.mode, "r");
        EXPECT_TRUE(io.IsOpen());  // the caller closes
        io.close();
    }
}
#endif

TEST_F(IoBaseTest, WriteErrorsOnAFullDevice) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    {
        // A short text waits in the buffer; the error comes at close.
        IpIoBase io("/dev/full", "w");
        EXPECT_GE(io.fputs("short\n"), 0);
        const FileError e = CatchFileError([&] { io.close(); });
        EXPECT_EQ(e.GetCode(), ENOSPC);
        EXPECT_EQ(e.line, 117);
        EXPECT_EQ(e.message,
                  "IpIoBase::close() failed. Here is the error message: " + PlatformErrorText(ENOSPC));
        EXPECT_EQ(e.path, "/dev/full");
        EXPECT_EQ(e.mode, "w");
        EXPECT_FALSE(io.IsOpen());  // not open afterwards, whatever fclose said
        io.close();                 // and a second close does nothing
    }
    {
        // More than a buffer's worth fails at the write itself.
        IpIoBase io("/dev/full", "w");
        const std::string big(300000, 'x');
        const FileError e = CatchFileError([&] { io.fputs(big); });
        EXPECT_EQ(e.GetCode(), ENOSPC);
        EXPECT_EQ(e.line, 288);
        EXPECT_EQ(e.message,
                  "IpIoBase::fputs() failed. Here is the error message: " + PlatformErrorText(ENOSPC));
        const FileError byChar = CatchFileError([&] {
            for (int i = 0; i < 300000; ++i) io.fputc('y');
        });
        EXPECT_EQ(byChar.line, 255);
    }  // the destructor's close fails silently
}

TEST_F(IoBaseTest, CloseTwiceAndOperationsWhenNotOpen) {
    IpIoBase io(MakeFile("c.txt", "x"), "r");
    io.close();
    io.close();
    EXPECT_FALSE(io.IsOpen());
    EXPECT_EQ(io.ftell(), 0);
    EXPECT_EQ(io.fseek(0, SEEK_SET), -1);
    EXPECT_EQ(CatchFileError([&] { io.fgetc(); }).line, 154);
    EXPECT_EQ(CatchFileError([&] { io.fputs("x"); }).line, 288);
}

#if !defined(_WIN32)  // a named pipe that one process opens alone
TEST_F(IoBaseTest, TellOnAStreamThatCannotTellIsZero) {
    const std::string fifo = PathOf("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    IpIoBase io(fifo, "r+");  // read and write: the open does not wait for a peer
    io.fputs("abc");
    EXPECT_EQ(io.ftell(), 0);
}
#endif

}  // namespace
