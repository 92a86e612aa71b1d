// The fast reading roads checked against the plain ones they replace: the
// bounded number and GUID parsers against the zero-terminated ones on the
// same bytes, every record kind read by ParseRecordFields (fields converted
// in place) against the same fields given one by one to ReadColumn as
// strings, the splitting against the byte-by-byte rule, and record values
// read chunk by chunk into the value against chunks read through fgets.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ipfmtread.h"
#include "ipfmtwrite.h"
#include "sectionbase.h"
#include "sectiontable.h"
#include "srtf_test_util.h"
#include "srtferrors.h"

namespace {

// Random bytes from an alphabet where numbers, hex digits, blanks, signs, the
// hex prefix, zero bytes and other bytes are all likely.
std::string RandomText(std::mt19937& random, size_t maxLength) {
    static const char kAlphabet[] = "0123456789abcdefABCDEFxX+-  \t\n\v\f\r\"',;gz\x80\xFF";
    const size_t alphabetSize = sizeof kAlphabet;  // the zero byte at the end included
    std::string text;
    const size_t length = random() % (maxLength + 1);
    for (size_t i = 0; i < length; ++i) text += kAlphabet[random() % alphabetSize];
    return text;
}

// A long run of digits now and then, for the saturation of the numbers.
std::string RandomNumberText(std::mt19937& random) {
    std::string text = RandomText(random, 6);
    if (random() % 4 == 0) text += std::string(random() % 24, static_cast<char>('0' + random() % 10));
    if (random() % 2 == 0) text += RandomText(random, 4);
    return text;
}

// The bytes of text as a range with more digits (or an "x" and digits)
// right behind it: a parser that reads past its range sees them. An exact
// heap copy of the range is also parsed, so that a sanitizer build catches a
// read past the end.
template <class Bounded>
void ParseBoth(const std::string& text, Bounded parse) {
    for (const char* tail : {"7f0123456789abcdef0123456789abcdef", "x7f0123456789abcdef0123456789ab"}) {
        const std::string withTail = text + tail;
        parse(withTail.data(), text.size());
    }
    std::unique_ptr<char[]> exact(new char[text.size() ? text.size() : 1]);
    std::copy(text.begin(), text.end(), exact.get());
    parse(exact.get(), text.size());
}

TEST(BoundedParsers, NumbersMatchTheZeroTerminatedOnes) {
    std::mt19937 random(11);
    for (int round = 0; round < 200000; ++round) {
        const std::string text = RandomNumberText(random);
        for (bool hex : {false, true}) {
            int expected = 12345;
            const bool expectedFound = hex ? ParseHexField(text.c_str(), expected)
                                           : ParseDecimalField(text.c_str(), expected);
            ParseBoth(text, [&](const char* p, size_t n) {
                int value = 12345;
                const bool found = hex ? ParseHexField(p, n, value) : ParseDecimalField(p, n, value);
                ASSERT_EQ(expectedFound, found) << (hex ? "hex " : "decimal ") << testing::PrintToString(text);
                ASSERT_EQ(expected, value) << (hex ? "hex " : "decimal ") << testing::PrintToString(text);
            });
        }
    }
    int value = 5;
    EXPECT_FALSE(ParseDecimalField(nullptr, 3, value));
    EXPECT_FALSE(ParseHexField(nullptr, 3, value));
    EXPECT_EQ(5, value);
}

TEST(BoundedParsers, GuidsMatchTheZeroTerminatedOne) {
    std::mt19937 random(12);
    for (int round = 0; round < 100000; ++round) {
        // Mostly hex digits around the length of a GUID, with other bytes mixed in.
        std::string text;
        const size_t length = 26 + random() % 12;
        for (size_t i = 0; i < length; ++i) {
            const unsigned pick = random() % 40;
            text += pick < 32 ? "0123456789abcdefABCDEF0123456789"[pick] : "\0 \"xg,\xFF"[pick - 32];
        }
        if (random() % 8 == 0) text = RandomText(random, 40);
        SrtfGuid expected;
        expected.bytes[0] = 0x5A;  // a previous value is always replaced
        GuidFromHexString(expected, text.c_str());
        ParseBoth(text, [&](const char* p, size_t n) {
            SrtfGuid guid;
            guid.bytes[3] = 0xA5;
            GuidFromHexString(guid, p, n);
            ASSERT_EQ(GuidToHexString(expected), GuidToHexString(guid)) << testing::PrintToString(text);
        });
    }
    SrtfGuid guid;
    guid.bytes[0] = 1;
    GuidFromHexString(guid, nullptr, 32);
    EXPECT_TRUE(guid.IsZero());
}

// Records the fields of a line as ReadColumn is given them.
class FieldList : public CPlainRecord {
    SRTF_RECORD_KIND(FieldList)
    // Every field through ReadColumn, none converted in place.
    const RecordKind* InPlaceKind() override { return nullptr; }
    int ReadColumn(int, std::string text) override {
        fields.push_back(std::move(text));
        return 0;
    }
    std::vector<std::string> fields;
};
SRTF_PLAIN_RECORD_TABLE(FieldList, -1)

// The splitting rule byte by byte, the way the reader first did it: fields
// end at a comma outside quotes, a doubled quote inside quotes is one quote,
// the last byte belongs to the last field unless a quote is open, and a
// doubled quote that takes the last byte leaves the last field unfinished.
std::vector<std::string> SplitByteByByte(const std::string& v) {
    std::vector<std::string> fields;
    if (v.empty()) return fields;
    const size_t last = v.size() - 1;
    std::string field;
    bool open = false;
    size_t i = 0;
    while (i < v.size()) {
        const char c = v[i];
        if (i == last) {
            if (!open) field += c;
            fields.push_back(field);
            break;
        }
        if (c == ',' && !open) {
            fields.push_back(field);
            field.clear();
        } else if (c == '"') {
            if (!open) {
                open = true;
            } else if (v[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                open = false;
            }
        } else {
            field += c;
        }
        ++i;
    }
    return fields;
}

TEST(InPlaceFields, SplittingFollowsTheByteByByteRule) {
    std::mt19937 random(14);
    const std::string pieces[] = {"a", "1", ",", "\"", "\"\"", " ", "\"x\",", ",\"", std::string(1, '\0'), "\n"};
    for (int round = 0; round < 100000; ++round) {
        std::string value;
        const size_t count = random() % 12;
        for (size_t i = 0; i < count; ++i) value += pieces[random() % 10];
        FieldList split;
        CSectionBase::ParseRecordFields(value, &split);
        ASSERT_EQ(SplitByteByByte(value), split.fields) << testing::PrintToString(value);
    }
}

std::string Written(CObjectBase& record) {
    COutputLineBuffer buffer;
    record.WriteColumns(buffer);
    return std::string(buffer.Data(), static_cast<size_t>(buffer.Length()));
}

// One field of a line for a column of the type: mostly well-formed, often
// at the edge of its plain shape (ten digits, nine hex digits, 31 or 33 GUID
// digits, a byte that is no digit).
std::string RandomField(std::mt19937& random, ColType type) {
    auto digits = [&random](const char* alphabet, size_t count) {
        std::string text;
        const size_t size = std::strlen(alphabet);
        for (size_t i = 0; i < count; ++i) text += alphabet[random() % size];
        return text;
    };
    const unsigned pick = random() % 10;
    if (pick == 0) return std::string(random() % 4, ' ');
    if (pick == 1) return RandomText(random, 12);
    switch (type) {
        case ColType::Int: {
            const char* const signs[] = {"", "", "-", "+", " "};
            std::string text = signs[random() % 5] + digits("0123456789", random() % 12);
            if (pick == 2) text += digits("x -a", 1);
            return text;
        }
        case ColType::Hex: {
            const char* const prefixes[] = {"0x", "0x", "0X", "", "-0x", "0"};
            std::string text = prefixes[random() % 6] + digits("0123456789abcdefABCDEF", random() % 11);
            if (pick == 2) text += digits("g -", 1);
            return text;
        }
        case ColType::Guid: {
            std::string text = digits("0123456789abcdefABCDEF", 30 + random() % 5);
            if (pick == 2) text[random() % text.size()] = "g \0\xFF"[random() % 4];
            if (pick == 3) return text;  // without quotes
            return "\"" + text + "\"";
        }
        default: break;
    }
    switch (pick) {
        case 2: return "\"say \"\"hi\"\", all\"";
        case 3: return "\"a\"b\"c\"";
        case 4: return "\"\"";
        case 5: return "\"" + std::string(random() % 300, 'w') + "\"";
        case 6: return "\"" + std::string(random() % 3, ' ') + "\"";
        default: return "\"" + RandomText(random, 20) + "\"";
    }
}

TEST(InPlaceFields, EveryKindReadsAsThroughReadColumn) {
    std::mt19937 random(13);
    int kinds = 0;
    for (int id = 0; id < kSectionIdCount; ++id) {
        SectionMaker make = SectionMakerOf(id);
        if (!make) continue;
        std::unique_ptr<CSectionBase> section(make());
        auto* records = dynamic_cast<CRecordSection*>(section.get());
        if (!records) continue;
        ++kinds;
        const RecordKind& kind = records->Kind();
        for (int round = 0; round < 60; ++round) {
            // The kind's columns and a few fields beyond them.
            std::string line;
            const size_t fields = kind.columns.size() + random() % 3;
            for (size_t i = 0; i < fields; ++i) {
                if (i) line += ',';
                const ColType type = i < kind.columns.size() ? kind.columns[i]->type : ColType::Int;
                line += RandomField(random, type);
            }
            FieldList split;
            CSectionBase::ParseRecordFields(line, &split);
            std::unique_ptr<CObjectBase> byString(kind.create());
            for (size_t i = 0; i < split.fields.size(); ++i)
                byString->ReadColumn(static_cast<int>(i), split.fields[i]);
            std::unique_ptr<CObjectBase> inPlace(kind.create());
            CSectionBase::ParseRecordFields(line, inPlace.get());
            ASSERT_EQ(Written(*byString), Written(*inPlace)) << kind.className << ": " << line;
        }
    }
    EXPECT_GT(kinds, 200);
}

// ReadRecord as the reader first did it: each chunk through fgets into a
// buffer of 256 bytes, its length by strlen. Errors as "error <line>".
bool ReadRecordByFgets(IpFmtRead& reader, std::string& type, std::string& value) {
    std::string token;
    int kind;
    do {
        kind = reader.GetToken(token);
    } while (kind == IpFmtRead::TokComment);
    if (kind == IpFmtRead::TokEndfile || kind == IpFmtRead::TokHeader) return false;
    if (kind != IpFmtRead::TokSymbol) throw std::string("error 235");
    type = token;
    if (reader.GetToken(token) != IpFmtRead::TokEqual) throw std::string("error 253");
    std::string raw;
    char chunk[256];
    for (;;) {
        if (!reader.fgets(chunk, 256)) throw std::string("error 343");
        const size_t n = std::strlen(chunk);
        raw.append(chunk, n);
        const bool balanced = IpFmtRead::QuotesBalanced(raw.c_str());
        if (n == 255 && chunk[n - 1] == ';') {
            const int c = reader.fgetc();
            if (c == '\n') {
                raw += '\n';
                if (balanced) break;
            } else {
                reader.ungetc(c);
            }
        } else if (n >= 2 && chunk[n - 2] == ';' && chunk[n - 1] == '\n') {
            if (balanced) break;
        } else {
            const int c = reader.fgetc();
            if (c == EOF) throw std::string("error 343");
            reader.ungetc(c);
        }
    }
    value = raw.size() == 2 ? std::string("\n") : raw.substr(1, raw.size() - 3);
    return true;
}

std::vector<std::string> Records(const std::string& path, bool byFgets) {
    std::vector<std::string> out;
    IpFmtRead reader(path);
    std::string header, type, value;
    if (!reader.ReadSectionHeader(header)) return out;
    try {
        while (byFgets ? ReadRecordByFgets(reader, type, value) : reader.ReadRecord(type, value))
            out.push_back(type + " => " + value);
    } catch (const std::string& error) {
        out.push_back(error);
    } catch (const FileError& e) {
        out.push_back("error " + std::to_string(e.line));
    }
    return out;
}

// Values with zero bytes, CRs, quotes and semicolons at every offset of the
// 255-byte chunks, some of them left unfinished at the end of the file.
TEST(ChunkedValues, ReadAsThroughFgets) {
    std::mt19937 random(15);
    const std::string pieces[] = {"a", "\"", "\"\"", ";", "\n", "\r\n", "\r", std::string(1, '\0'),
                                  ";\n", ";\r\n", ",", " ", "\x1A", std::string(200, 'x'),
                                  std::string(50, 'y')};
    const std::string path = srtftest::TempPath("chunked.srtf");
    for (int round = 0; round < 1500; ++round) {
        std::string document = "[S]\n";
        const int records = 1 + static_cast<int>(random() % 4);
        for (int r = 0; r < records; ++r) {
            document += r % 2 ? "Attr_Base = " : "B =";
            const size_t count = random() % 12;
            for (size_t i = 0; i < count; ++i) document += pieces[random() % 15];
            if (r + 1 < records || random() % 4) document += random() % 2 ? ";\n" : ";\r\n";
        }
        srtftest::WriteBytes(path, document);
        ASSERT_EQ(Records(path, true), Records(path, false)) << testing::PrintToString(document);
    }
}

}  // namespace
