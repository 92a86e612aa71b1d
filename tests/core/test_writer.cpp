// IpFmtWrite and COutputLineBuffer: the exact bytes of a written document
// (CR LF everywhere, also inside values), column formatting and the comma
// rule, buffer growth at 4096, a write/read round trip, and write failures.
#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ipfmtread.h"
#include "ipfmtwrite.h"
#include "platform/systemerror.h"
#include "srtferrors.h"

namespace fs = std::filesystem;

namespace {

class WriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        std::random_device random;
        dir_ = fs::path(::testing::TempDir()) /
               ("srtf_writer_" + std::to_string(random()) + "_" + std::to_string(++counter));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path dir_;
};

std::string Line(COutputLineBuffer& buffer) { return std::string(buffer.Data(), buffer.Length()); }

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(OutputLineBuffer, ColumnsAndCommaRule) {
    COutputLineBuffer line;
    EXPECT_EQ(line.Capacity(), 4096);
    EXPECT_EQ(line.Length(), 0);

    line.BeginRecord("Attr_Base");
    line.AddInt(1);
    line.AddInt(2);
    line.AddInt(3);
    line.EndRecord();
    EXPECT_EQ(Line(line), "Attr_Base = 1,2,3;\n");

    // The section resets the buffer before each line: no leading comma.
    line.Reset();
    line.BeginRecord("Attr_Latest");
    line.AddQuotedString("a\"b");
    line.AddInt(-5);
    line.AddQuotedString("");
    line.AddQuotedString(std::string("\"\""));
    line.AddHex(10);
    line.AddHex(-1);
    line.AddGuid(SrtfGuid());
    line.AddGuid(HexStringToGuid("00112233445566778899AABBCCDDEEFF"));
    line.AddInt(INT_MIN);
    line.AddRaw("raw");
    line.EndRecord();
    EXPECT_EQ(Line(line),
              "Attr_Latest = \"a\"\"b\",-5,\"\",\"\"\"\"\"\",0x0000000A,0xFFFFFFFF,\"\","
              "\"00112233445566778899aabbccddeeff\",-2147483648,raw;\n");
    EXPECT_EQ(line.Data()[line.Length()], '\0');
}

TEST(OutputLineBuffer, GrowsInStepsOf4096AndNeverShrinks) {
    COutputLineBuffer line;
    const std::string a(4095, 'a');
    line.Append(a.data(), 4095);
    EXPECT_EQ(line.Capacity(), 4096);  // 4095 bytes and the zero byte fit
    line.Append("b", 1);
    EXPECT_EQ(line.Capacity(), 8192);
    EXPECT_EQ(line.Length(), 4096);
    EXPECT_EQ(Line(line), a + "b");
    EXPECT_EQ(line.Data()[4096], '\0');

    const std::string c(8192, 'c');
    line.Append(c.data(), 8192);  // 12288 bytes: the next multiple above is 16384
    EXPECT_EQ(line.Capacity(), 16384);
    EXPECT_EQ(Line(line), a + "b" + c);

    line.Reset();
    EXPECT_EQ(line.Capacity(), 16384);
    line.Append("x", 1);
    EXPECT_EQ(Line(line), "x");
    EXPECT_EQ(line.Append(nullptr, 0), line.Data());
    EXPECT_EQ(Line(line), "x");

    COutputLineBuffer fresh;
    fresh.Append(c.data(), 8191);
    EXPECT_EQ(fresh.Capacity(), 8192);
    COutputLineBuffer exact;
    exact.Append(c.data(), 8192);
    EXPECT_EQ(exact.Capacity(), 12288);
}

TEST_F(WriterTest, DocumentBytes) {
    const std::string path = PathOf("doc.srtf");
    {
        std::ofstream(path, std::ios::binary) << "old content that must go";
        IpFmtWrite writer(path);
        writer.WriteSectionHeader("HeaderSection");
        writer.WriteKeyValue("UserName", "\"bob\"");
        writer.WriteKeyValue("MiscStatus", "0");
        writer.WriteLine("\n\n# Name, Comment");
        writer.WriteSectionHeader("DDAttributeSection");
        COutputLineBuffer line;
        for (int i = 1; i <= 2; ++i) {
            line.Reset();
            line.BeginRecord("Attr_Base");
            line.AddInt(i);
            line.AddQuotedString(i == 1 ? "two\nlines" : "x");
            line.EndRecord();
            writer.WriteRaw(line.Data());
        }
        writer.WriteRaw("Attr_Latest = 3;\n", 17);
        writer.close();
    }
    EXPECT_EQ(Contents(path),
              "\r\n[HeaderSection]\r\n"
              "UserName = \"bob\";\r\n"
              "MiscStatus = 0;\r\n"
              "\r\n\r\n# Name, Comment;\r\n"
              "\r\n[DDAttributeSection]\r\n"
              "Attr_Base = 1,\"two\r\nlines\";\r\n"
              "Attr_Base = 2,\"x\";\r\n"
              "Attr_Latest = 3;\r\n");
}

// What the line buffer and the writer produce, the reader gives back.
TEST_F(WriterTest, RoundTripThroughTheReader) {
    std::mt19937 random(99);
    const char* const pieces[] = {"a", "\"", ";", "\n", ";\n", ",", " ", "\xE9\xFF", "\x1A", "\r"};
    std::vector<std::string> texts = {"", "plain", std::string(253, 'y'), std::string(254, 'y') + ";"};
    for (int i = 0; i < 200; ++i) {
        std::string text;
        const size_t length = random() % 700;
        while (text.size() < length) text += pieces[random() % (sizeof pieces / sizeof pieces[0])];
        // a CR right before a line end would be read as part of CR LF
        for (size_t p = 0; (p = text.find("\r\n", p)) != std::string::npos;) text.erase(p, 1);
        if (!text.empty() && text.back() == '\r') text.pop_back();
        texts.push_back(text);
    }

    const std::string path = PathOf("round.srtf");
    std::vector<std::string> written;
    {
        IpFmtWrite writer(path);
        writer.WriteLine("\n\n# Id, Text, Flags");
        writer.WriteSectionHeader("DDAttributeSection");
        COutputLineBuffer line;
        for (size_t i = 0; i < texts.size(); ++i) {
            line.Reset();
            line.BeginRecord("Attr_Base");
            line.AddInt(static_cast<int>(i) - 100);
            line.AddQuotedString(texts[i]);
            line.AddHex(static_cast<int>(i * 0x01010101u));
            line.EndRecord();
            writer.WriteRaw(line.Data(), static_cast<size_t>(line.Length()));
            written.push_back(std::string(line.Data() + 12, static_cast<size_t>(line.Length() - 14)));
        }
        writer.close();
    }
    IpFmtRead reader(path);
    std::string header, type, value;
    ASSERT_TRUE(reader.ReadSectionHeader(header));
    EXPECT_EQ(header, "[DDAttributeSection]");
    size_t count = 0;
    while (reader.ReadRecord(type, value)) {
        ASSERT_LT(count, written.size());
        EXPECT_EQ(type, "Attr_Base");
        EXPECT_EQ(value, written[count]) << "record " << count;
        ++count;
    }
    EXPECT_EQ(count, written.size());
    EXPECT_FALSE(reader.ReadSectionHeader(header));
}

TEST_F(WriterTest, OpenFailure) {
    const std::string path = PathOf("missing/out.srtf");
    try {
        IpFmtWrite writer(path);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.line, 84);
        EXPECT_EQ(e.mode, "w");
        EXPECT_EQ(e.path, path);
    }
}

TEST_F(WriterTest, WriteFailuresOnAFullDevice) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    // A save-like sequence fails with a FileError, at a write or at close.
    try {
        IpFmtWrite writer("/dev/full");
        writer.WriteSectionHeader("HeaderSection");
        writer.WriteKeyValue("UserName", "\"bob\"");
        writer.WriteRaw("Attr_Base = 1;\n");
        writer.close();
        ADD_FAILURE() << "the full device accepted the document";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path, "/dev/full");
        EXPECT_EQ(e.mode, "w");
        EXPECT_TRUE(e.line == 117 || e.line == 147 || e.line == 288) << e.line;
    }

    const std::string big(200000, 'z');
    struct Case {
        std::function<void(IpFmtWrite&)> write;
        int code;
        int line;
        std::string message;
        const char* source;
    };
    const Case cases[] = {
        {[&](IpFmtWrite& w) { w.WriteRaw(big.c_str()); }, -2, 147,
         "IpFmtWrite - General Write Error. Here is the error message: " + PlatformErrorText(ENOSPC),
         "ipfmtwrite.cpp"},
        {[&](IpFmtWrite& w) { w.WriteKeyValue("Comment", big.c_str()); }, ENOSPC, 288,
         "IpIoBase::fputs() failed. Here is the error message: " + PlatformErrorText(ENOSPC),
         "ipiobase.cpp"},
        {[&](IpFmtWrite& w) { w.WriteLine(big); }, ENOSPC, 288,
         "IpIoBase::fputs() failed. Here is the error message: " + PlatformErrorText(ENOSPC),
         "ipiobase.cpp"},
        {[&](IpFmtWrite& w) { w.WriteSectionHeader(big); }, ENOSPC, 288,
         "IpIoBase::fputs() failed. Here is the error message: " + PlatformErrorText(ENOSPC),
         "ipiobase.cpp"},
    };
    for (const Case& c : cases) {
        IpFmtWrite writer("/dev/full", "w");
        try {
            c.write(writer);
            ADD_FAILURE() << "no error at line " << c.line;
        } catch (const FileError& e) {
            EXPECT_EQ(e.GetCode(), c.code);
            EXPECT_EQ(e.line, c.line);
            EXPECT_EQ(e.message, c.message);
            EXPECT_TRUE(EndsWith(e.sourceFile, c.source)) << e.sourceFile;
            EXPECT_EQ(e.path, "/dev/full");
            EXPECT_EQ(e.mode, "w");
        }
    }
}

}  // namespace
