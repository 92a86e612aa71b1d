// Fuzz target "keyvalue": the value rules of key-value sections (the header
// and the server error sections).
//
// Input: a section keyword and a zero byte pick the section kind (else the
// first byte picks it by number); the rest is cut at zero bytes into pieces
// (the reader never delivers a zero byte inside a key or a value, so the
// pieces are texts a file can carry). Checked:
//   1. ReadKeyText of every piece follows the rule: a value that is exactly
//      one quoted text (every inner run of quotes of even length) is that
//      text with each pair of quotes made one; any other value loses every
//      double quote. Quoting a text as the writer does and reading it back
//      gives the text.
//   2. The pieces, taken pairwise as key and value, are dispatched to a
//      section of the picked kind; a header string key takes the text the
//      rule gives (keys match without regard to case). The section, written,
//      read back through the reader and written again, gives the same file.
//      A header int key takes its value as the C library converts decimal
//      text, and keeps its value when the text holds no number.
//   3. Header string members set directly to the pieces are written and read
//      back unchanged.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "headersection.h"
#include "ipfmtread.h"
#include "ipfmtwrite.h"
#include "sectionbase.h"
#include "sectiontable.h"
#include "srtferrors.h"

namespace {

// The section ids whose class is a key-value section.
const std::vector<int>& KeyValueKinds() {
    static const std::vector<int> ids = [] {
        std::vector<int> found;
        for (int id = 0; id < kSectionIdCount; ++id) {
            SectionMaker make = SectionMakerOf(id);
            if (!make) continue;
            std::unique_ptr<CSectionBase> s(make());
            if (dynamic_cast<CKeyValueSection*>(s.get())) found.push_back(id);
        }
        return found;
    }();
    return ids;
}

std::unique_ptr<CSectionBase> MakeSection(int id) {
    std::unique_ptr<CSectionBase> s(SectionMakerOf(id)());
    s->sectionId = id;
    return s;
}

// The rule, stated on runs of quotes rather than byte by byte.
std::string ExpectedKeyText(const std::string& value) {
    const size_t n = value.size();
    if (n >= 2 && value[0] == '"' && value[n - 1] == '"') {
        std::string text;
        bool oneQuotedText = true;
        for (size_t i = 1; i + 1 < n && oneQuotedText;) {
            if (value[i] != '"') {
                text += value[i++];
                continue;
            }
            size_t run = 0;
            while (i + 1 < n && value[i] == '"') ++run, ++i;
            if (run % 2)
                oneQuotedText = false;
            else
                text.append(run / 2, '"');
        }
        if (oneQuotedText) return text;
    }
    std::string text;
    for (char c : value)
        if (c != '"') text += c;
    return text;
}

// The text as the writer puts it on a line: in quotes, inner quotes doubled.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

std::string Upper(std::string text) {
    for (char& c : text) c = AsciiToUpper(c);
    return text;
}

struct StringKey {
    const char* name;
    std::string CHeaderSection::*member;
};
const StringKey kHeaderStrings[] = {
    {"UserName", &CHeaderSection::UserName},
    {"ObjectType", &CHeaderSection::ObjectType},
    {"Operation", &CHeaderSection::Operation},
    {"Comment", &CHeaderSection::Comment},
    {"MachineName", &CHeaderSection::MachineName},
    {"NamedRelease", &CHeaderSection::NamedRelease},
    {"UserPassword", &CHeaderSection::UserPassword},
    {"FileDate", &CHeaderSection::FileDate},
    {"DM1FileSpec", &CHeaderSection::DM1FileSpec},
    {"SRTFFileSpec", &CHeaderSection::SRTFFileSpec},
};

struct IntKey {
    const char* name;
    int CHeaderSection::*member;
};
const IntKey kHeaderInts[] = {
    {"MiscStatus", &CHeaderSection::MiscStatus},
    {"SRTFVersionNumber", &CHeaderSection::SRTFVersionNumber},
    {"Object_Count", &CHeaderSection::Object_Count},
};

// An int key's value as the C library converts it (strtoll, then the int
// range), or before when the text holds no number.
int ExpectedInt(const std::string& text, int before) {
    size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos) return before;
    if (text[i] == '+' || text[i] == '-') ++i;
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return before;
    const long long v = std::strtoll(text.c_str(), nullptr, 10);
    return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : static_cast<int>(v);
}

void CheckKeyText(const std::string& piece) {
    const std::string got = CKeyValueSection::ReadKeyText(piece);
    const std::string expected = ExpectedKeyText(piece);
    if (got != expected) fuzzsupport::Fail("ReadKeyText breaks the key value rule", expected, got);
    const std::string back = CKeyValueSection::ReadKeyText(Quoted(piece));
    if (back != piece) fuzzsupport::Fail("a quoted text does not read back as the text", piece, back);
}

std::string WriteSection(CSectionBase& section, const std::string& path) {
    IpFmtWrite writer(path);
    section.Write(writer);
    writer.close();
    return fuzzsupport::ReadFile(path);
}

// Reads a file of one section, as written, into section.
void ReadSection(CSectionBase& section, const std::string& path, const std::string& written) {
    try {
        IpFmtRead reader(path);
        std::string header;
        if (!reader.ReadSectionHeader(header))
            fuzzsupport::Fail("a written section has no header", written);
        std::string type, value;
        while (reader.ReadRecord(type, value)) section.DispatchRecord(type, value);
        if (reader.ReadSectionHeader(header))
            fuzzsupport::Fail("a written section reads as two sections", written);
        reader.close();
    } catch (const FileError& e) {
        fuzzsupport::Fail(("a written section does not read back: " + e.message).c_str(), written);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzzsupport::ScratchPath("keyvalue");
    if (size == 0) return 0;
    const std::vector<int>& kinds = KeyValueKinds();
    int id = kinds[data[0] % kinds.size()];
    size_t from = 1;
    // A first piece that names a key-value section kind picks it instead.
    if (const void* zero = std::memchr(data, 0, size)) {
        const size_t n = static_cast<size_t>(static_cast<const uint8_t*>(zero) - data);
        const int named = SectionIdOfKeyword(Upper(std::string(reinterpret_cast<const char*>(data), n)));
        for (int k : kinds)
            if (k == named) {
                id = named;
                from = n + 1;
            }
    }

    std::vector<std::string> pieces(1);
    for (size_t i = from; i < size; ++i) {
        if (data[i] == 0)
            pieces.emplace_back();
        else
            pieces.back() += static_cast<char>(data[i]);
    }

    // 1. the rule of ReadKeyText
    for (const std::string& piece : pieces) CheckKeyText(piece);

    // 2. dispatch, then write - read - write
    std::unique_ptr<CSectionBase> section = MakeSection(id);
    const CHeaderSection* header = id == 0 ? static_cast<CHeaderSection*>(section.get()) : nullptr;
    constexpr size_t kInts = sizeof kHeaderInts / sizeof kHeaderInts[0];
    for (size_t i = 0; i + 1 < pieces.size(); i += 2) {
        int before[kInts] = {};
        if (header)
            for (size_t j = 0; j < kInts; ++j) before[j] = header->*kHeaderInts[j].member;
        std::string key = pieces[i];
        section->DispatchRecord(key, pieces[i + 1]);
        if (!header) continue;
        const std::string name = Upper(pieces[i]);
        for (const StringKey& k : kHeaderStrings) {
            if (name != Upper(k.name)) continue;
            const std::string expected = ExpectedKeyText(pieces[i + 1]);
            if (header->*k.member != expected)
                fuzzsupport::Fail("a header key line does not set its member by the rule", expected,
                                  header->*k.member);
        }
        for (size_t j = 0; j < kInts; ++j) {
            const IntKey& k = kHeaderInts[j];
            if (name != Upper(k.name)) continue;
            const int expected = ExpectedInt(pieces[i + 1], before[j]);
            if (header->*k.member != expected)
                fuzzsupport::Fail("a header int key does not take its value as %d would",
                                  std::to_string(expected), std::to_string(header->*k.member));
        }
    }
    const std::string first = WriteSection(*section, path);
    std::unique_ptr<CSectionBase> again = MakeSection(id);
    ReadSection(*again, path, first);
    const std::string second = WriteSection(*again, path);
    if (first != second)
        fuzzsupport::Fail("a key-value section read from its own file writes a different file", first,
                          second);

    // 3. header texts written and read back
    CHeaderSection direct;
    size_t next = 0;
    for (const StringKey& k : kHeaderStrings)
        direct.*k.member = next < pieces.size() ? pieces[next++] : std::string();
    const std::string written = WriteSection(direct, path);
    CHeaderSection back;
    ReadSection(back, path, written);
    for (const StringKey& k : kHeaderStrings)
        if (back.*k.member != direct.*k.member)
            fuzzsupport::Fail((std::string("header text ") + k.name + " does not read back").c_str(),
                              direct.*k.member, back.*k.member);
    return 0;
}
