// Fuzz target "fields": CSectionBase::ParseRecordFields and the record line
// the writer makes, over the record kinds of every section with records.
//
// Input: a section keyword and a zero byte pick the record kind of that
// section (else the first byte picks one by number); the rest is used three ways:
//   1. as the value of a record line: parsed into a record, written, parsed
//      into a second record and written again, the two lines must be equal;
//   2. as column values (4 bytes per int or hex column, 16 per GUID, a length
//      byte and that many bytes per text): set into a record, written and
//      parsed back, every column must come back as set. The one exception is
//      the documented one: a text of spaces only reads back empty.
//   3. as field texts (a length byte and that many bytes each), joined into a
//      line as the writer quotes: the line must read into the record that
//      ReadColumn gives for each text on its own.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "ipfmtwrite.h"
#include "objectbase.h"
#include "sectionbase.h"
#include "sectiontable.h"

namespace {

struct Kind {
    int sectionId;
    const RecordKind* kind;
    const char* recordType;
};

// One entry per section kind with records (its first record type).
const std::vector<Kind>& RecordKinds() {
    static const std::vector<Kind> kinds = [] {
        std::vector<Kind> found;
        for (int id = 0; id < kSectionIdCount; ++id) {
            SectionMaker make = SectionMakerOf(id);
            if (!make) continue;
            std::unique_ptr<CSectionBase> s(make());
            if (auto* r = dynamic_cast<CRecordSection*>(s.get()))
                found.push_back(Kind{id, &r->Kind(), r->Shape().table[0].recordType});
        }
        return found;
    }();
    return kinds;
}

// The record line of a record, and the value part of such a line (what the
// reader hands to ParseRecordFields).
std::string Line(CObjectBase& record, const char* recordType) {
    COutputLineBuffer buffer;
    buffer.BeginRecord(recordType);
    record.WriteColumns(buffer);
    buffer.EndRecord();
    return std::string(buffer.Data(), static_cast<size_t>(buffer.Length()));
}

std::string ValueOf(const std::string& line, const char* recordType) {
    const size_t prefix = std::strlen(recordType) + 3;  // type " = "
    if (line.size() < prefix + 2 || line.compare(line.size() - 2, 2, ";\n") != 0)
        fuzzsupport::Fail("a record line has not the form type = value;", line);
    return line.substr(prefix, line.size() - prefix - 2);
}

class Bytes {
public:
    Bytes(const uint8_t* p, size_t n) : p_(p), n_(n) {}
    uint8_t Byte() {
        if (!n_) return 0;
        --n_;
        return *p_++;
    }
    std::string Take(size_t n) {
        if (n > n_) n = n_;
        std::string s(reinterpret_cast<const char*>(p_), n);
        p_ += n;
        n_ -= n;
        return s;
    }

private:
    const uint8_t* p_;
    size_t n_;
};

bool SpacesOnly(const std::string& text) {
    return !text.empty() && text.find_first_not_of(' ') == std::string::npos;
}

// A text as the writer quotes it: in quotes, inner quotes doubled.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

std::string GuidText(const SrtfGuid& g) {
    return std::string(reinterpret_cast<const char*>(g.bytes), sizeof g.bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::vector<Kind>& kinds = RecordKinds();
    const Kind* picked = &kinds[data[0] % kinds.size()];
    size_t from = 1;
    // A section keyword and a zero byte in front pick that section's kind.
    if (const void* zero = std::memchr(data, 0, size)) {
        const size_t n = static_cast<size_t>(static_cast<const uint8_t*>(zero) - data);
        std::string name(reinterpret_cast<const char*>(data), n);
        for (char& c : name) c = AsciiToUpper(c);
        const int named = SectionIdOfKeyword(name);
        for (const Kind& kind : kinds)
            if (kind.sectionId == named) {
                picked = &kind;
                from = n + 1;
            }
    }
    const Kind& k = *picked;
    data += from;
    size -= from;
    const std::string input(reinterpret_cast<const char*>(data), size);

    // 1. any value: parse, write, parse, write
    {
        std::unique_ptr<CObjectBase> first(k.kind->create());
        CSectionBase::ParseRecordFields(input, first.get());
        const std::string line1 = Line(*first, k.recordType);
        std::unique_ptr<CObjectBase> second(k.kind->create());
        CSectionBase::ParseRecordFields(ValueOf(line1, k.recordType), second.get());
        const std::string line2 = Line(*second, k.recordType);
        if (line1 != line2)
            fuzzsupport::Fail("a record line read back writes a different line", line1, line2);
        // The C-string form reads up to the first zero byte, like the same
        // text cut there.
        const std::string cut = input.substr(0, input.find('\0'));
        std::unique_ptr<CObjectBase> viaText(k.kind->create());
        std::unique_ptr<CObjectBase> viaString(k.kind->create());
        CSectionBase::ParseRecordFields(cut.c_str(), viaText.get());
        CSectionBase::ParseRecordFields(cut, viaString.get());
        const std::string a = Line(*viaString, k.recordType), b = Line(*viaText, k.recordType);
        if (a != b) fuzzsupport::Fail("the two forms of ParseRecordFields differ", a, b);
    }

    // 2. columns set from the bytes, written and parsed back
    std::unique_ptr<CObjectBase> record(k.kind->create());
    const int count = record->GetColumnCount();
    const ColumnDesc* const* columns = record->GetColumnReaders();
    Bytes bytes(data, size);
    for (int i = 0; i < count; ++i) {
        const ColumnDesc& c = *columns[i];
        void* p = c.member(record.get());
        switch (c.type) {
            case ColType::Int:
            case ColType::Hex: {
                uint32_t v = 0;
                for (int b = 0; b < 4; ++b) v = (v << 8) | bytes.Byte();
                std::memcpy(p, &v, sizeof v);
                break;
            }
            case ColType::Guid: {
                SrtfGuid g;
                for (uint8_t& b : g.bytes) b = bytes.Byte();
                *static_cast<SrtfGuid*>(p) = g;
                break;
            }
            case ColType::String: *static_cast<std::string*>(p) = bytes.Take(bytes.Byte()); break;
            case ColType::None: break;
        }
    }
    const std::string line = Line(*record, k.recordType);
    std::unique_ptr<CObjectBase> back(k.kind->create());
    CSectionBase::ParseRecordFields(ValueOf(line, k.recordType), back.get());
    for (int i = 0; i < count; ++i) {
        const ColumnDesc& c = *columns[i];
        void* set = c.member(record.get());
        void* got = c.member(back.get());
        std::string expected, actual;
        switch (c.type) {
            case ColType::Int:
            case ColType::Hex:
                expected = std::to_string(*static_cast<int*>(set));
                actual = std::to_string(*static_cast<int*>(got));
                break;
            case ColType::Guid:
                expected = GuidText(*static_cast<SrtfGuid*>(set));
                actual = GuidText(*static_cast<SrtfGuid*>(got));
                break;
            case ColType::String:
                expected = *static_cast<std::string*>(set);
                if (SpacesOnly(expected)) expected.clear();
                actual = *static_cast<std::string*>(got);
                break;
            case ColType::None: break;
        }
        if (expected != actual) {
            fuzzsupport::PrintEscaped("line", line);
            fuzzsupport::Fail((std::string("column ") + c.name + " of " + k.kind->className +
                               " does not read back")
                                  .c_str(),
                              expected, actual);
        }
    }

    // 3. a line made of field texts taken from the bytes (quoted where empty
    // or holding a comma or a quote): each column reads as ReadColumn reads
    // its field's text from a string of its own
    {
        Bytes fieldBytes(data, size);
        std::unique_ptr<CObjectBase> expected(k.kind->create());
        std::string value;
        for (int i = 0; i < count; ++i) {
            const std::string text = fieldBytes.Take(fieldBytes.Byte());
            if (i) value += ',';
            value += text.empty() || text.find_first_of(",\"") != std::string::npos ? Quoted(text)
                                                                                   : text;
            expected->ReadColumn(i, text);
        }
        std::unique_ptr<CObjectBase> parsed(k.kind->create());
        CSectionBase::ParseRecordFields(value, parsed.get());
        const std::string a = Line(*expected, k.recordType), b = Line(*parsed, k.recordType);
        if (a != b) {
            fuzzsupport::PrintEscaped("value", value);
            fuzzsupport::Fail("a line's fields read otherwise than each field on its own", a, b);
        }
    }
    return 0;
}
