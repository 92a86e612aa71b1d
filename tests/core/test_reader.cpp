// IpFmtRead: the tokens of the state machine, record values (CR LF and LF,
// multi-line quoted values, comments, the 255-byte chunk rule), the quote
// state across chunks, the syntax and end-of-file errors, FindSection and
// NextToken.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ipfmtread.h"
#include "srtferrors.h"

namespace fs = std::filesystem;

namespace {

using Tokens = std::vector<std::pair<int, std::string>>;
using Transcript = std::vector<std::string>;

constexpr int H = IpFmtRead::TokHeader, S = IpFmtRead::TokSymbol, Q = IpFmtRead::TokEqual,
              C = IpFmtRead::TokComment, E = IpFmtRead::TokEndfile, SC = IpFmtRead::TokSemicolon;

class ReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        std::random_device random;
        dir_ = fs::path(::testing::TempDir()) /
               ("srtf_reader_" + std::to_string(random()) + "_" + std::to_string(++counter));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string MakeFile(const std::string& bytes) {
        const std::string path = (dir_ / ("f" + std::to_string(++files_) + ".srtf")).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    Tokens TokensOf(const std::string& bytes) {
        IpFmtRead reader(MakeFile(bytes));
        Tokens tokens;
        std::string text;
        int kind;
        do {
            kind = reader.GetToken(text);
            tokens.emplace_back(kind, text);
        } while (kind != E && tokens.size() < 100);
        return tokens;
    }
    // The read road of the container: each header, then its records as
    // "type => value".
    Transcript Read(const std::string& bytes) {
        Transcript out;
        try {
            IpFmtRead reader(MakeFile(bytes));
            std::string header, type, value;
            while (reader.ReadSectionHeader(header)) {
                out.push_back(header);
                while (reader.ReadRecord(type, value)) out.push_back(type + " => " + value);
            }
            reader.close();
        } catch (const FileError& e) {
            out.push_back("error " + std::to_string(e.line));
        }
        return out;
    }

    fs::path dir_;
    int files_ = 0;
};

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) out += (c == '\n') ? std::string("\r\n") : std::string(1, c);
    return out;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST_F(ReaderTest, Tokens) {
    struct Case {
        std::string input;
        Tokens expected;
    };
    const Case cases[] = {
        {"[HeaderSection]", {{H, "[HeaderSection]"}, {E, ""}}},
        {"  [ Name ]\n", {{H, "[ Name ]"}, {E, ""}}},
        {"[a\nb!]", {{H, "[a\nb!]"}, {E, ""}}},
        {"[A\xE9\x01" "B]", {{H, "[AB]"}, {E, ""}}},  // other bytes are dropped from a header
        {"[Nam", {{E, "[Nam"}}},                       // an unfinished header is lost at the end
        {"Attr_Base = 1,\"x\";",
         {{S, "Attr_Base"}, {Q, "="}, {S, "1,\"x\""}, {SC, ";"}, {E, ""}}},
        {"Ab=c;", {{S, "Ab"}, {Q, "="}, {S, "c"}, {SC, ";"}, {E, ""}}},
        {"/A/b*.,-_9 x", {{S, "/Ab*.,-_9"}, {S, "x"}, {E, ""}}},
        {"A#b[c]", {{S, "Abc"}, {E, ""}}},
        {"# comment \xE9\xFF\r\nX", {{C, "# comment \xE9\xFF"}, {S, "X"}, {E, ""}}},
        {"#c\rX", {{C, "#c"}, {S, "X"}, {E, ""}}},
        {"#unfinished", {{E, "#unfinished"}}},
        {"\"a\"\"b\" x", {{S, "\"a\"\"b\""}, {S, "x"}, {E, ""}}},
        {"\"\xE9\x1A\n\"", {{S, "\"\xE9\x1A\n\""}, {E, ""}}},
        {"\"abc", {{E, "\"abc"}}},
        {"\x01\xFF!x", {{S, "x"}, {E, ""}}},  // dropped before a token
        {"abc", {{S, "abc"}, {E, ""}}},
        {"", {{E, ""}}},
    };
    for (const Case& c : cases) EXPECT_EQ(TokensOf(c.input), c.expected) << "input: " << c.input;

    IpFmtRead reader(MakeFile("a b"));
    std::string text;
    EXPECT_TRUE(reader.NextToken(text));
    EXPECT_EQ(text, "a");
    EXPECT_TRUE(reader.NextToken(text));
    EXPECT_FALSE(reader.NextToken(text));
}

TEST_F(ReaderTest, QuotesBalanced) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},        {"abc", true},        {"\"\"", true},       {"\"a\"\"b\"", true},
        {"\"a", false},    {"\"a\"\"", false},   {"x\"a,b\"y", true},  {"\"\"\"", false},
        {"\"\"\"\"", true}, {"\"a\" \"b", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IpFmtRead::QuotesBalanced(c.first), c.second) << c.first;
    EXPECT_TRUE(IpFmtRead::QuotesBalanced(nullptr));

    // The walk: a quote opens a string, closes an open one, and two quotes in
    // an open string stand for one quote.
    auto walk = [](const std::string& text) {
        bool open = false;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '"') continue;
            if (!open)
                open = true;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                ++i;
            else
                open = false;
        }
        return !open;
    };
    std::mt19937 random(3);
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        const size_t length = random() % 12;
        while (text.size() < length) text += (random() % 3) ? '"' : 'a';
        EXPECT_EQ(IpFmtRead::QuotesBalanced(text.c_str()), walk(text)) << text;
    }
}

TEST_F(ReaderTest, Records) {
    struct Case {
        std::string input;
        Transcript expected;
    };
    const Case cases[] = {
        {"[S]\nAttr_Base = 1,2,\"a\"\"b\";\n", {"[S]", "Attr_Base => 1,2,\"a\"\"b\""}},
        {"[S]\nX =5;\n", {"[S]", "X => "}},  // the byte after "=" is dropped
        {"[S]\nX = ;\n", {"[S]", "X => "}},
        {"[S]\nX =;\n", {"[S]", "X => \n"}},
        {"[S]\nX = \"a\nb\";\n", {"[S]", "X => \"a\nb\""}},
        {"[S]\nX = \"a;\n\";\n", {"[S]", "X => \"a;\n\""}},  // ";" at a line end inside quotes
        {"[S]\nX = 1,\n\n2;\n", {"[S]", "X => 1,\n\n2"}},  // an empty line does not end it
        {"[S]\nX = \"a,;\"\" b\";\n", {"[S]", "X => \"a,;\"\" b\""}},
        {"[S]\nX = 1;  \nY = 2;\n", {"[S]", "X => 1;  \nY = 2"}},
        {"[S]\nX = 1; # c\nY = 2;\n", {"[S]", "X => 1; # c\nY = 2"}},
        {"# c\n[S]\n# d\nA = 1;\n\n# e\nB = 2;\n# f\n", {"[S]", "A => 1", "B => 2"}},
        {"[S]\nA#B = 1;\n", {"[S]", "AB => 1"}},
        {"[S]\n/A/B = 1;\n", {"[S]", "/AB => 1"}},
        {"[S]\nX = \"\xE9\xFF\x80\x1A\";\nY = \x1A;\n", {"[S]", "X => \"\xE9\xFF\x80\x1A\"", "Y => \x1A"}},
        {"junk = 1;\n[S] A = 1;\n[T]\n\n[U]\nB = \"x;\n[V]\";\n",
         {"[S]", "A => 1", "[T]", "[U]", "B => \"x;\n[V]\""}},
        {"[S]\nA = \"x\ry\";\n", {"[S]", "A => \"x\ry\""}},  // a lone CR stays
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.input), c.expected) << "LF input: " << c.input;
        // CR LF line ends read exactly like LF, also inside values.
        EXPECT_EQ(Read(WithCrLf(c.input)), c.expected) << "CR LF input: " << c.input;
    }
}

TEST_F(ReaderTest, EndOfFileGivesTheUnfinishedTokenAsRecordType) {
    IpFmtRead reader(MakeFile("[S]\nA = 1;\n#x"));
    std::string text, type, value = "old";
    ASSERT_TRUE(reader.ReadSectionHeader(text));
    ASSERT_TRUE(reader.ReadRecord(type, value));
    EXPECT_FALSE(reader.ReadRecord(type, value));
    EXPECT_EQ(type, "#x");
    EXPECT_EQ(value, "");
    EXPECT_FALSE(reader.ReadSectionHeader(text));
}

// Values around the 255-byte chunk of the line reader.
TEST_F(ReaderTest, ChunkBoundaries) {
    for (const char* eol : {"\n", "\r\n"}) {
        for (int n = 248; n <= 262; ++n) {
            const std::string value(static_cast<size_t>(n), 'x');
            EXPECT_EQ(Read("[S]" + std::string(eol) + "X = " + value + ";" + eol + "Y = 1;" + eol),
                      (Transcript{"[S]", "X => " + value, "Y => 1"}))
                << "length " << n << (eol[0] == '\r' ? " CR LF" : " LF");
        }
    }
    // 253 bytes after the blank put the ";" at byte 255 of the chunk.
    const std::string x253(253, 'x');
    struct Case {
        std::string input;
        Transcript expected;
    };
    const Case cases[] = {
        {"[S]\nX = " + x253 + ";abc;\nY = 1;\n", {"[S]", "X => " + x253 + ";abc", "Y => 1"}},
        {"[S]\nX = " + x253 + "; \nY = 1;\n", {"[S]", "X => " + x253 + "; \nY = 1"}},
        // inside an open quote the ";" before the line end does not end it
        {"[S]\nX = \"" + x253.substr(1) + ";\nmore\";\n",
         {"[S]", "X => \"" + x253.substr(1) + ";\nmore\""}},
        // the 255th byte is a quote inside a string: a quote right behind it
        // doubles it; any other byte closes the string
        {"[S]\nX = \"" + x253.substr(1) + "\"\";\n\";\n",
         {"[S]", "X => \"" + x253.substr(1) + "\"\";\n\""}},
        {"[S]\nX = \"" + x253.substr(1) + "\";\n", {"[S]", "X => \"" + x253.substr(1) + "\""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.input), c.expected) << c.input;
        EXPECT_EQ(Read(WithCrLf(c.input)), c.expected) << "CR LF " << c.input;
    }
}

// Long values that hold quotes, line ends and semicolons at many offsets.
TEST_F(ReaderTest, LongMultiLineQuotedValues) {
    std::mt19937 random(7);
    const char* const pieces[] = {"a", "\"\"", ";", "\n", ";\n", ",", " ", "\xE9"};
    for (int round = 0; round < 20; ++round) {
        std::string inner;
        while (inner.size() < 2000 + 300 * static_cast<size_t>(round))
            inner += pieces[random() % (sizeof pieces / sizeof pieces[0])];
        const std::string value = "1,\"" + inner + "\",2";
        const std::string document = "[S]\nA = " + value + ";\nB = 3;\n";
        EXPECT_EQ(Read(document), (Transcript{"[S]", "A => " + value, "B => 3"})) << "round " << round;
        EXPECT_EQ(Read(WithCrLf(document)), (Transcript{"[S]", "A => " + value, "B => 3"}));
    }
}

TEST_F(ReaderTest, SyntaxAndEndOfFileErrors) {
    struct Case {
        std::string input;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"[S]\n= 1;\n", 235, SrtfErr::kMsgExpectSymbol},
        {"[S]\n;\n", 235, SrtfErr::kMsgExpectSymbol},
        {"[S]\nA ; = 1;\n", 253, SrtfErr::kMsgExpectEqual},
        {"[S]\nA B = 1;\n", 253, SrtfErr::kMsgExpectEqual},
        {"[S]\nA \"q\" = 1;\n", 253, SrtfErr::kMsgExpectEqual},
        {"[S]\nA # c\n= 1;\n", 253, SrtfErr::kMsgExpectEqual},
        {"[S]\nA", 253, SrtfErr::kMsgExpectEqual},
        {"[S]\nA = 1;", 343, SrtfErr::kMsgUnexpectedEof},
        {"[S]\nA =", 343, SrtfErr::kMsgUnexpectedEof},
        {"[S]\nA = 1;  \n", 343, SrtfErr::kMsgUnexpectedEof},
        {"[S]\nA = \"abc;\n", 343, SrtfErr::kMsgUnexpectedEof},
        {"[S]\nA = " + std::string(253, 'x') + ";", 343, SrtfErr::kMsgUnexpectedEof},
    };
    for (const Case& c : cases) {
        const std::string path = MakeFile(c.input);
        IpFmtRead reader(path);
        std::string text, type, value;
        ASSERT_TRUE(reader.ReadSectionHeader(text));
        try {
            while (reader.ReadRecord(type, value)) {
            }
            ADD_FAILURE() << "no error for: " << c.input;
        } catch (const FileError& e) {
            EXPECT_EQ(e.line, c.line) << c.input;
            EXPECT_EQ(e.message, c.message) << c.input;
            if (c.line == 343) {
                EXPECT_NE(e.GetCode(), -2) << "the end of the file carries errno";
                EXPECT_EQ(e.GetCode(), errno);
            } else {
                EXPECT_EQ(e.GetCode(), -2) << c.input;
            }
            EXPECT_EQ(e.path, path);
            EXPECT_EQ(e.mode, "r");
            EXPECT_TRUE(EndsWith(e.sourceFile, "ipfmtread.cpp")) << e.sourceFile;
        }
    }
}

// A folder opens here and fails at the first read; Windows refuses to open it.
TEST_F(ReaderTest, ReadingADirectoryRaisesTheReadError) {
    try {
        IpFmtRead reader(dir_.string());
        std::string text;
        reader.ReadSectionHeader(text);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
#if defined(_WIN32)
        EXPECT_EQ(e.line, 84);
        EXPECT_EQ(e.GetCode(), EACCES);
#else
        EXPECT_EQ(e.line, 154);
        EXPECT_EQ(e.GetCode(), EISDIR);
#endif
        EXPECT_TRUE(EndsWith(e.sourceFile, "ipiobase.cpp")) << e.sourceFile;
    }
}

TEST_F(ReaderTest, FindSection) {
    const std::string document = WithCrLf("[A]\nx = 1;\n[B]\ny = 2;\n[C]\n");
    IpFmtRead reader(MakeFile(document));
    EXPECT_EQ(reader.FindSection("[B]", false), static_cast<long>(document.find("[B]") + 3));
    std::string type, value;
    ASSERT_TRUE(reader.ReadRecord(type, value));
    EXPECT_EQ(type + value, "y2");
    EXPECT_EQ(reader.FindSection("[b]", true), 0);  // compared byte for byte
    EXPECT_EQ(reader.FindSection("[A]", true), 3);
    EXPECT_EQ(reader.FindSection("[A]", false), 0);  // not again after it
}

}  // namespace
