// Column value text: GUID text, "%d"/"%x" field parsing (compared with the C
// runtime's sscanf where it is defined, saturated where it is not), decimal
// and hex output, FormatString with its status codes, and the small string
// routines.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "srtftext.h"

namespace {

SrtfGuid GuidOfBytes(std::initializer_list<int> bytes) {
    SrtfGuid guid;
    int i = 0;
    for (int b : bytes) guid.bytes[i++] = static_cast<uint8_t>(b);
    return guid;
}

int Estimate(int& count, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int status = EstimateFormattedLength(format, args, count);
    va_end(args);
    return status;
}

TEST(GuidText, TextFormIsLowerCaseMemoryOrderAndZeroIsEmpty) {
    SrtfGuid guid = GuidOfBytes({0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA,
                                 0xBB, 0xCC, 0xDD, 0xEE, 0xFF});
    EXPECT_EQ(GuidToHexString(guid), "00112233445566778899aabbccddeeff");
    EXPECT_EQ(HexStringToGuid("00112233445566778899aabbccddeeff"), guid);
    EXPECT_EQ(GuidToHexString(SrtfGuid()), "");

    std::string out = "x";
    AppendGuidHex(out, guid);
    EXPECT_EQ(out, "x00112233445566778899aabbccddeeff");
    AppendGuidHex(out, SrtfGuid());
    EXPECT_EQ(out, "x00112233445566778899aabbccddeeff");
}

TEST(GuidText, ParseTakesPairsFromTheStartAndNeedsSixteen) {
    const SrtfGuid lower = HexStringToGuid("0123456789abcdef0123456789ABCDEF");
    const SrtfGuid upper = HexStringToGuid("0123456789ABCDEF0123456789ABCDEF");
    EXPECT_EQ(lower, upper);
    EXPECT_EQ(GuidToHexString(upper), "0123456789abcdef0123456789abcdef");

    struct Case {
        const char* text;
        const char* expected;  // text form of the result
    };
    const Case cases[] = {
        {"", ""},
        {"0123456789abcdef0123456789abcde", ""},  // 31 digits
        {"0123456789abcdef0123456789abcdef99", "0123456789abcdef0123456789abcdef"},
        {"zz23456789abcdef0123456789abcdeg", "0023456789abcdef0123456789abcde0"},
        // pairs are taken blindly from the start: "{0" is 0x00, "12" is 0x12 ...
        {"{0123456789abcdef0123456789abcde", "00123456789abcdef0123456789abcde"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GuidToHexString(HexStringToGuid(c.text)), c.expected) << c.text;

    // A short text clears what the GUID held before.
    SrtfGuid guid = upper;
    GuidFromHexString(guid, "0123");
    EXPECT_TRUE(guid.IsZero());
    GuidFromHexString(guid, "0123456789abcdef0123456789abcdef");
    EXPECT_EQ(guid, lower);
}

TEST(ColumnNumbers, DecimalFieldTable) {
    struct Case {
        const char* text;
        bool parsed;
        int value;
    };
    const Case cases[] = {
        {"12", true, 12},
        {"12abc", true, 12},
        {" 12", true, 12},
        {"\t\n\v\f\r 12", true, 12},
        {"-7", true, -7},
        {"+5", true, 5},
        {"007", true, 7},
        {"0x10", true, 0},
        {"abc", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"-", false, 0},
        {"- 5", false, 0},
        {"\xA0" "5", false, 0},  // not an ASCII blank
        {"2147483647", true, INT_MAX},
        {"-2147483648", true, INT_MIN},
        // beyond 32 bits: saturated
        {"2147483648", true, INT_MAX},
        {"4294967296", true, INT_MAX},
        {"99999999999999999999999999", true, INT_MAX},
        {"-2147483649", true, INT_MIN},
        {"-99999999999999999999999999", true, INT_MIN},
    };
    for (const Case& c : cases) {
        int value = 4242;
        EXPECT_EQ(ParseDecimalField(c.text, value), c.parsed) << c.text;
        EXPECT_EQ(value, c.parsed ? c.value : 4242) << c.text;
    }
}

TEST(ColumnNumbers, HexFieldTable) {
    struct Case {
        const char* text;
        bool parsed;
        int value;
    };
    const Case cases[] = {
        {"0x0000001F", true, 31},
        {"1f", true, 31},
        {"0X1F", true, 31},
        {"  0x1fz", true, 31},
        {"-1f", true, -31},
        {"+0x10", true, 16},
        {"0x", true, 0},
        {"0xg", true, 0},
        {"0x0x5", true, 0},
        {"FFFFFFFF", true, -1},
        {"0x80000000", true, INT_MIN},
        {"-FFFFFFFF", true, 1},
        {"x5", false, 0},
        {"g", false, 0},
        {"", false, 0},
        {"-", false, 0},
        // beyond 32 bits: saturated to 0xFFFFFFFF
        {"100000000", true, -1},
        {"0x123456789ABCDEF0123", true, -1},
        {"-100000000", true, -1},
    };
    for (const Case& c : cases) {
        int value = 4242;
        EXPECT_EQ(ParseHexField(c.text, value), c.parsed) << c.text;
        EXPECT_EQ(value, c.parsed ? c.value : 4242) << c.text;
    }
}

// Within 32 bits the hand-written parsers give what sscanf gives.
TEST(ColumnNumbers, AgreeWithScanfWithinRange) {
    const char* const common[] = {
        "0", "1", "-1", "+1", " 42,", "\t-0", "123abc", "0x7fffffff", "7FFFFFFF", "deadBEEF",
        "-deadbeef", " 0Xa", "0x", "0xq", "00000000000000000000012", "+-1", "-+1", ".5", "1.5",
        "1e3", "ffffffff", "\n\n9", "0x0000001F", "x", "", " ", "-0x1",
    };
    std::vector<const char*> decimal(std::begin(common), std::end(common));
    decimal.push_back("2147483647");
    decimal.push_back("-2147483648");
    for (const char* text : decimal) {
        int mine = 77, theirs = 77;
        const bool parsed = ParseDecimalField(text, mine);
        const int scanned = std::sscanf(text, "%d", &theirs);
        EXPECT_EQ(parsed, scanned == 1) << "%d " << text;
        EXPECT_EQ(mine, theirs) << "%d " << text;
    }
    for (const char* text : common) {
        int mine = 77;
        unsigned theirs = 77;
        const bool parsed = ParseHexField(text, mine);
        const int scanned = std::sscanf(text, "%x", &theirs);
        EXPECT_EQ(parsed, scanned == 1) << "%x " << text;
        EXPECT_EQ(static_cast<unsigned>(mine), theirs) << "%x " << text;
    }
}

TEST(ColumnNumbers, DecimalAndHexOutputMatchPrintf) {
    const int values[] = {0, 1, -1, 9, 10, -10, 31, 123456789, INT_MAX, INT_MIN, INT_MIN + 1};
    for (int v : values) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%d", v);
        std::string out = "a";
        AppendDecimal(out, v);
        EXPECT_EQ(out, std::string("a") + expected);

        std::snprintf(expected, sizeof expected, "0x%.8X", static_cast<unsigned>(v));
        char hex[11];
        EXPECT_EQ(FormatHex8(hex, static_cast<unsigned>(v)), 10);
        EXPECT_STREQ(hex, expected);
    }
}

TEST(FormatString, StatusesAndOutput) {
    std::string out = "previous";
    EXPECT_EQ(FormatString(out, "0x%.8X", 10), 0);
    EXPECT_EQ(out, "0x0000000A");
    EXPECT_EQ(FormatString(out, "0x%.8X", -1), 0);
    EXPECT_EQ(out, "0xFFFFFFFF");
    EXPECT_EQ(FormatString(out, "%d", -7), 0);
    EXPECT_EQ(out, "-7");
    EXPECT_EQ(FormatString(out, "IpFmtWrite - General Write Error. Here is the error message: %s",
                           "No space left on device"),
              0);
    EXPECT_EQ(out, "IpFmtWrite - General Write Error. Here is the error message: No space left on device");
    EXPECT_EQ(FormatString(out, "100% sure"), 101);  // "% " is no known conversion
    EXPECT_EQ(out, "");

    struct Refused {
        const char* format;
        int status;
    };
    const Refused refused[] = {
        {"%5d", 101}, {"%-d", 101}, {"%ld", 101}, {"%%", 101}, {"%c", 101},
        {"%p", 101},  {"ab%", 101}, {"", 102},
    };
    for (const Refused& r : refused) {
        out = "previous";
        EXPECT_EQ(FormatString(out, r.format, 1), r.status) << r.format;
        EXPECT_EQ(out, "") << r.format;
    }
    out = "previous";
    EXPECT_EQ(FormatString(out, nullptr), 102);
    EXPECT_EQ(out, "");

    // A format without conversions is copied unchanged.
    const char fixed[] =
        "The Dode Didud Eduzov can't access the internal SRTF file because the Zara Ro Rivure is "
        "using it.";
    EXPECT_EQ(FormatString(out, fixed), 0);
    EXPECT_EQ(out, fixed);
}

// Outputs longer than the estimate, and formats whose estimate used to take
// the wrong arguments, are formatted in full and safely.
TEST(FormatString, NeverWritesPastItsBuffer) {
    std::string out;
    EXPECT_EQ(FormatString(out, "%.300d", 5), 0);
    EXPECT_EQ(out, std::string(299, '0') + "5");
    EXPECT_EQ(FormatString(out, "%f", 1e300), 0);
    char expected[512];
    std::snprintf(expected, sizeof expected, "%f", 1e300);
    EXPECT_EQ(out, expected);
    EXPECT_EQ(FormatString(out, "%.2d|%s|%d", 5, "xy", 3), 0);
    EXPECT_EQ(out, "05|xy|3");
    EXPECT_EQ(FormatString(out, "%.1s-%s", "abc", "def"), 0);
    EXPECT_EQ(out, "a-def");
    // The upper-case forms that the estimate accepts format as their
    // lower-case counterparts.
    EXPECT_EQ(FormatString(out, "%D|%U|%S|%O", -4, 7u, "txt", 8), 0);
    EXPECT_EQ(out, "-4|7|txt|10");
}

TEST(FormatString, EstimateCounts) {
    int count = -1;
    EXPECT_EQ(Estimate(count, "0x%.8X", 10), 0);
    EXPECT_EQ(count, 6 + 25 + 1);
    EXPECT_EQ(Estimate(count, "%d", -7), 0);
    EXPECT_EQ(count, 2 + 2 + 1);
    EXPECT_EQ(Estimate(count, "<%s>", "abc"), 0);
    EXPECT_EQ(count, 4 + 3 + 1);
    EXPECT_EQ(Estimate(count, "%f", 1.5), 0);
    EXPECT_EQ(count, 2 + 8 + 1);  // "1.500000"
    EXPECT_EQ(Estimate(count, "%5d", 1), 101);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Estimate(count, ""), 102);
}

TEST(StringRoutines, RemoveAndReplace) {
    std::string text = "\"a\"b\"";
    EXPECT_EQ(RemoveChar(text, '"'), 3);
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(RemoveChar(text, '"'), 0);
    text = "[DDAttributeSection]";
    RemoveChar(text, '[');
    RemoveChar(text, ']');
    EXPECT_EQ(text, "DDAttributeSection");

    text = "xabyabab";
    EXPECT_EQ(RemoveAll(text, "ab"), 3);
    EXPECT_EQ(text, "xy");
    EXPECT_EQ(RemoveAll(text, ""), 0);
    EXPECT_EQ(text, "xy");
    text = "aaa";
    EXPECT_EQ(RemoveAll(text, "aa"), 1);  // scanned from the start, no overlap
    EXPECT_EQ(text, "a");

    text = "\"\"\"";
    EXPECT_EQ(ReplaceAll(text, "\"", "\"\""), 3);
    EXPECT_EQ(text, "\"\"\"\"\"\"");
    text = "aa";
    EXPECT_EQ(ReplaceAll(text, "a", "aa"), 2);  // inserted text is not searched again
    EXPECT_EQ(text, "aaaa");
    text = "a-b-c";
    EXPECT_EQ(ReplaceAll(text, "-", ""), 2);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(ReplaceAll(text, "", "x"), 0);
    EXPECT_EQ(text, "abc");
}

TEST(StringRoutines, CaseChangesAreAsciiOnly) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string upper = all;
    MakeUpper(upper);
    std::string lower = all;
    ChangeCase(lower, 1);
    for (int b = 1; b < 256; ++b) {
        const char c = static_cast<char>(b);
        EXPECT_EQ(upper[b - 1], (b >= 'a' && b <= 'z') ? static_cast<char>(b - 32) : c) << b;
        EXPECT_EQ(lower[b - 1], (b >= 'A' && b <= 'Z') ? static_cast<char>(b + 32) : c) << b;
    }

    std::string cut("ab\0cd", 5);
    MakeUpper(cut);
    EXPECT_EQ(cut, "AB");

    std::string source = "aZ\xE9";
    char buffer[5] = {'#', '#', '#', '#', '#'};
    EXPECT_EQ(ToUpperCopy(source, buffer), buffer);
    EXPECT_EQ(std::string(buffer, 5), "AZ\xE9##");  // no terminating zero byte
}

TEST(StringRoutines, TrimBlanks) {
    struct Case {
        const char* text;
        int side;
        const char* expected;
    };
    const Case cases[] = {
        {" \t\n\v\f\rab c \t", 1, "ab c \t"},
        {" \t\n\v\f\rab c \t", 2, " \t\n\v\f\rab c"},
        {"   ", 1, ""},
        {"   ", 2, ""},
        {"\xA0" "a", 1, "\xA0" "a"},  // bytes from 0x80 on are never blanks
        {" a ", 0, " a "},
        {"", 1, ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        TrimBlanks(text, c.side);
        EXPECT_EQ(text, c.expected) << "side " << c.side << " [" << c.text << "]";
    }
}

TEST(CharacterClasses, AsciiOnly) {
    for (int b = 0x80; b < 0x100; ++b) {
        EXPECT_FALSE(AsciiIsBlank(b) || AsciiIsAlnum(b) || AsciiIsPunct(b)) << b;
        EXPECT_EQ(AsciiHexValue(b), -1);
    }
    EXPECT_TRUE(AsciiIsPunct('!'));
    EXPECT_TRUE(AsciiIsPunct('~'));
    EXPECT_FALSE(AsciiIsPunct(' '));
    EXPECT_FALSE(AsciiIsPunct(0x7F));
}

}  // namespace
