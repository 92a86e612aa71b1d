// Section framework: dispatch, field splitting, the record index and the
// behaviour of the three section shapes.
#include "sectionbase.h"

#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "ipfmtwrite.h"
#include "password.h"

// ---- CSectionBase ----

CSectionBase::~CSectionBase() = default;

void CSectionBase::DispatchRecord(std::string& recordType, const std::string& value) {
    const RecordTypeEntry* table = GetRecordTypeTable();
    const int n = GetRecordTypeCount();
    MakeUpper(recordType);
    for (int i = 0; i < n; ++i) {
        const char* t = table[i].recordType;
        const size_t len = std::strlen(t);
        if (len != recordType.size()) continue;
        bool same = true;
        for (size_t j = 0; j < len && same; ++j) same = AsciiToUpper(t[j]) == recordType[j];
        if (same) table[i].handler(*this, value, table[i].arg);
    }
}

namespace {

// The columns of a record that its fields are read into in place (none for
// a record without such a table).
struct InPlaceColumns {
    explicit InPlaceColumns(CObjectBase* record) {
        if (const RecordKind* kind = record->InPlaceKind()) {
            inPlace = true;
            columns = kind->columns.data();
            count = kind->columns.size();
        }
    }
    // The column of field index, or null.
    const ColumnDesc* Of(int index) const {
        return static_cast<size_t>(index) < count ? columns[index] : nullptr;
    }
    bool inPlace = false;
    const ColumnDesc* const* columns = nullptr;
    size_t count = 0;
};

// Hands field index, whose column is col (from InPlaceColumns::Of), to the
// record: converted in place into the column, ignored when the record reads
// in place but has no such column, otherwise through ReadColumn.
inline void HandField(CObjectBase* record, bool inPlace, const ColumnDesc* col, int index,
                      const char* p, size_t n) {
    if (col)
        record->ReadColumnInPlace(*col, p, n);
    else if (!inPlace)
        record->ReadColumn(index, std::string(p, n));
}

// The first double quote in [p, end), or null.
const char* FindQuote(const char* p, const char* end) {
#if defined(__SSE2__)
    const __m128i quote = _mm_set1_epi8('"');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned marks = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, quote)));
        if (marks) return p + __builtin_ctz(marks);
    }
    for (; p < end; ++p)
        if (*p == '"') return p;
    return nullptr;
#else
    return p < end ? static_cast<const char*>(std::memchr(p, '"', static_cast<size_t>(end - p)))
                   : nullptr;
#endif
}

// Reads a field of the plain shape of a number or GUID column straight from
// the value: "-" and at most nine digits (Int), "0x" and at most eight hex
// digits (Hex), 32 hex digits in quotes (Guid), ended by a comma before the
// value's last byte. Returns where the next field begins, or null for a
// field of any other shape. For these shapes the general parsers give the
// same values.
const char* ReadPlainField(const ColumnDesc& col, CObjectBase* record, const char* p,
                           const char* last) {
    switch (col.type) {
        case ColType::Int: {
            const bool negative = *p == '-';
            const char* digits = p + (negative ? 1 : 0);
            const char* q = digits;
            unsigned value = 0;
            while (q < last && q - digits < 9 && *q >= '0' && *q <= '9')
                value = value * 10 + static_cast<unsigned>(*q++ - '0');
            if (q == digits || q >= last || *q != ',') return nullptr;
            *static_cast<int*>(col.member(record)) =
                negative ? -static_cast<int>(value) : static_cast<int>(value);
            return q + 1;
        }
        case ColType::Hex: {
            if (last - p < 3 || p[0] != '0' || (p[1] != 'x' && p[1] != 'X')) return nullptr;
            const char* digits = p + 2;
            const char* q = digits;
            uint32_t value = 0;
            for (uint8_t d; q < last && q - digits < 8 && (d = kHexDigit[*q]) != 0xFF; ++q)
                value = (value << 4) | d;
            if (q >= last || *q != ',') return nullptr;
            *static_cast<int*>(col.member(record)) = static_cast<int>(value);
            return q + 1;
        }
        case ColType::Guid: {
            if (last - p < 35 || p[0] != '"' || p[33] != '"' || p[34] != ',') return nullptr;
            SrtfGuid guid;
            unsigned noDigit = 0;  // 0xFF somewhere when a byte is no hex digit
            for (int b = 0; b < 16; ++b) {
                const uint8_t high = kHexDigit[p[1 + 2 * b]];
                const uint8_t low = kHexDigit[p[2 + 2 * b]];
                noDigit |= high | low;
                guid.bytes[b] = static_cast<uint8_t>((high << 4) | (low & 0x0F));
            }
            if (noDigit & 0xF0) return nullptr;
            *static_cast<SrtfGuid*>(col.member(record)) = guid;
            return p + 35;
        }
        default:
            return nullptr;
    }
}

// The text of one field as it is gathered byte by byte: while it is one
// stretch of the value it is only pointed at; a second, separate piece copies
// it into a buffer that keeps its capacity from field to field.
class FieldText {
public:
    void Add(const char* p, size_t n) {
        if (!copied_) {
            if (!start_) {
                start_ = p;
                length_ = n;
                return;
            }
            if (start_ + length_ == p) {
                length_ += n;
                return;
            }
            buffer_.assign(start_, length_);
            copied_ = true;
        }
        buffer_.append(p, n);
    }
    const char* Data() const { return copied_ ? buffer_.data() : start_ ? start_ : ""; }
    size_t Size() const { return copied_ ? buffer_.size() : length_; }
    // Starts the next field.
    void Clear() {
        start_ = nullptr;
        length_ = 0;
        copied_ = false;
        buffer_.clear();
    }

private:
    const char* start_ = nullptr;
    size_t length_ = 0;
    bool copied_ = false;
    std::string buffer_;
};

}  // namespace

// The fields are split at every comma outside double quotes; a doubled quote
// inside quotes stands for one. The last byte of the value always ends the
// last field: it belongs to it unless a quote is open (and a doubled quote
// that takes the last byte ends the value without ending the field).
//
// Each field is first tried in its common shapes, each ended by a comma
// before the last byte: the plain number or GUID of its column (read at
// once), a run without quotes or one quoted text without doubled quotes
// (handed over as they stand in the value). Any other field is gathered byte
// by byte.
void CSectionBase::ParseRecordFields(const std::string& value, CObjectBase* record) {
    const char* v = value.data();
    const size_t n = value.size();
    if (n == 0) return;
    const size_t last = n - 1;
    const InPlaceColumns columns(record);
    const bool inPlace = columns.inPlace;
    FieldText field;
    int index = 0;
    size_t i = 0;  // where the current field begins; no quote is open there
    for (;;) {
        const ColumnDesc* col = columns.Of(index);
        if (col && col->type != ColType::String) {
            if (const char* next = ReadPlainField(*col, record, v + i, v + last)) {
                ++index;
                i = static_cast<size_t>(next - v);
                continue;
            }
        }
        if (v[i] != '"') {
            size_t j = i;
            while (j < last && v[j] != ',' && v[j] != '"') ++j;
            if (j == last) {  // the rest of the value, its last byte included
                HandField(record, inPlace, col, index, v + i, n - i);
                return;
            }
            if (v[j] == ',') {
                HandField(record, inPlace, col, index++, v + i, j - i);
                i = j + 1;
                continue;
            }
        } else if (i + 1 < last) {
            const char* text = v + i + 1;
            const char* quote = FindQuote(text, v + last);
            if (quote && quote + 1 < v + last && quote[1] == ',') {
                HandField(record, inPlace, col, index++, text, static_cast<size_t>(quote - text));
                i = static_cast<size_t>(quote - v) + 2;
                continue;
            }
        }
        // Byte by byte, until a comma outside quotes or the end of the value.
        bool open = false;
        for (;;) {
            if (i >= n) return;
            const char c = v[i];
            if (i == last) {
                if (!open) field.Add(v + i, 1);
                HandField(record, inPlace, col, index, field.Data(), field.Size());
                return;
            }
            if (c == ',' && !open) {
                HandField(record, inPlace, col, index++, field.Data(), field.Size());
                field.Clear();
                ++i;
                break;
            }
            if (c == '"') {
                if (!open) {
                    open = true;
                } else if (v[i + 1] == '"') {
                    field.Add(v + i, 1);
                    ++i;  // the second quote of the pair
                } else {
                    open = false;
                }
                ++i;
            } else {
                // A run of ordinary bytes; it never takes the last byte.
                // Inside quotes only a quote ends it.
                size_t j = i + 1;
                if (open) {
                    const char* quote = FindQuote(v + j, v + last);
                    j = quote ? static_cast<size_t>(quote - v) : last;
                } else {
                    while (j < last && v[j] != '"' && v[j] != ',') ++j;
                }
                field.Add(v + i, j - i);
                i = j;
            }
        }
    }
}

void CSectionBase::ParseRecordFields(const char* value, CObjectBase* record) {
    ParseRecordFields(std::string(value), record);
}

bool CSectionBase::IndexKeyLess(const RecordKey& a, const RecordKey& b) {
    if (a.sectionId != b.sectionId) return a.sectionId < b.sectionId;
    return a.id < b.id;
}

void CSectionBase::IndexRecord(CObjectBase* record) {
    RecordKey key;
    key.sectionId = sectionId;
    key.id = static_cast<unsigned int>(record->GetId());
    recordIndex.emplace(key, record);  // keeps the first record of a key
}

int CSectionBase::EncryptPassword(const std::string& plain, std::string& out, int& stamp) {
    return SrtfEncryptPassword(passwordMode, plain, out, stamp);
}

int CSectionBase::DecryptPassword(const std::string& cipher, std::string& out, int stamp) {
    return SrtfDecryptPassword(passwordMode, cipher, out, stamp);
}

bool CSectionBase::GetPasswordStamp(int& stamp) { return SrtfPasswordStamp(stamp); }

// ---- record sections ----

RecordSectionShape::RecordSectionShape(const char* sectionName, const RecordKind& (*kind)(),
                                       Layout l, const char* firstType, const char* secondType,
                                       bool offers)
    : name(sectionName), recordKind(kind), layout(l), table{}, tableCount(0),
      offersRecordList(offers) {
    table[0] = RecordTypeEntry{firstType, 0, &CRecordSection::ReadIntoList, 0};
    tableCount = 1;
    if (l == BaseFirst || l == LatestFirst) {
        table[1] = RecordTypeEntry{secondType, 0, &CRecordSection::ReadIntoList, 1};
        tableCount = 2;
    }
}

CRecordSection::~CRecordSection() {
    if (!ownsRecords) return;
    for (RecordList& list : lists_)
        for (CObjectBase* r : list) delete r;
}

void CRecordSection::ReadIntoList(CSectionBase& section, const std::string& value, int list) {
    CRecordSection& s = static_cast<CRecordSection&>(section);
    const RecordSectionShape& shape = s.shape_;
    CObjectBase* record = shape.recordKind().create();
    s.lists_[list].push_back(record);
    ParseRecordFields(value, record);
    // Latest records enter the record index when the section enables it.
    const bool latest = shape.layout == RecordSectionShape::SingleList ||
                        (shape.layout == RecordSectionShape::BaseFirst && list == 1) ||
                        (shape.layout == RecordSectionShape::LatestFirst && list == 0);
    if (latest && s.indexEnabled) s.IndexRecord(record);
}

int CRecordSection::Write(IpFmtWrite& writer) {
    const RecordKind& kind = Kind();
    writer.WriteLine("\n\n# " + kind.commentLine);
    writer.WriteSectionHeader(shape_.name);
    COutputLineBuffer buffer;
    for (int i = 0; i < shape_.tableCount; ++i) {
        const char* type = shape_.table[i].recordType;
        for (CObjectBase* r : lists_[i]) {
            buffer.Reset();
            buffer.BeginRecord(type);
            r->WriteColumns(buffer);
            buffer.EndRecord();
            writer.WriteRaw(buffer.Data(), static_cast<size_t>(buffer.Length()));
        }
    }
    return 1;
}

RecordList* CTwoListSection::GetLatestList() {
    return &lists_[shape_.layout == RecordSectionShape::BaseFirst ? 1 : 0];
}

RecordList* CTwoListSection::GetBaseList() {
    switch (shape_.layout) {
        case RecordSectionShape::BaseFirst: return &lists_[0];
        case RecordSectionShape::LatestFirst: return &lists_[1];
        default: return &lists_[0];  // the single list serves as both
    }
}

CObjectBase* CTwoListSection::CreateRecord() { return Kind().create(); }

int CTwoListSection::GetRecordCount() {
    return static_cast<int>(lists_[0].size() + lists_[1].size());
}

RecordList* COneListSection::GetRecordList() {
    return shape_.offersRecordList ? &lists_[0] : nullptr;
}

// ---- key-value sections ----

KeyValueShape::KeyValueShape(const char* sectionName, std::initializer_list<KeyDesc> k)
    : name(sectionName), keys(k) {
    for (size_t i = 0; i < keys.size(); ++i)
        table.push_back(RecordTypeEntry{keys[i].name, 0, &CKeyValueSection::ReadKey,
                                        static_cast<int>(i)});
}

std::string CKeyValueSection::ReadKeyText(const std::string& value) {
    const size_t n = value.size();
    if (n >= 2 && value[0] == '"' && value[n - 1] == '"') {
        std::string text;
        text.reserve(n - 2);
        bool single = true;
        for (size_t i = 1; i + 1 < n && single; ++i) {
            if (value[i] == '"') {
                if (i + 2 < n && value[i + 1] == '"')
                    ++i;  // a doubled quote stands for one
                else
                    single = false;
            }
            text += value[i];
        }
        if (single) return text;
    }
    std::string text = value;
    RemoveChar(text, '"');
    return text;
}

void CKeyValueSection::ReadKey(CSectionBase& section, const std::string& value, int key) {
    CKeyValueSection& s = static_cast<CKeyValueSection&>(section);
    const KeyDesc& k = s.shape_.keys[static_cast<size_t>(key)];
    void* p = k.member(&s);
    switch (k.type) {
        case ColType::String: {
            std::string& text = *static_cast<std::string*>(p);
            text = ReadKeyText(value);
            if (k.list) static_cast<std::vector<std::string>*>(k.list(&s))->push_back(text);
            break;
        }
        case ColType::Int: ParseDecimalField(value.c_str(), *static_cast<int*>(p)); break;
        case ColType::Hex: ParseHexField(value.c_str(), *static_cast<int*>(p)); break;
        case ColType::Guid: {
            const char* t = value.c_str();
            if (*t == '"') ++t;
            GuidFromHexString(*static_cast<SrtfGuid*>(p), t);
            break;
        }
        case ColType::None: break;
    }
}

namespace {
std::string KeyText(const KeyDesc& k, void* p) {
    std::string text;
    switch (k.type) {
        case ColType::String:
            text = *static_cast<std::string*>(p);
            ReplaceAll(text, "\"", "\"\"");
            return "\"" + text + "\"";
        case ColType::Int: AppendDecimal(text, *static_cast<int*>(p)); return text;
        case ColType::Hex: {
            char buf[16];
            FormatHex8(buf, static_cast<unsigned>(*static_cast<int*>(p)));
            return buf;
        }
        case ColType::Guid: return "\"" + GuidToHexString(*static_cast<SrtfGuid*>(p)) + "\"";
        case ColType::None: break;
    }
    return text;
}
}  // namespace

int CKeyValueSection::Write(IpFmtWrite& writer) {
    writer.WriteSectionHeader(shape_.name);
    for (const KeyDesc& k : shape_.keys) {
        if (k.list) {
            auto* list = static_cast<std::vector<std::string>*>(k.list(this));
            if (!list->empty()) {
                for (const std::string& item : *list) {
                    std::string copy = item;
                    KeyDesc asText{k.name, ColType::String, nullptr, nullptr};
                    writer.WriteKeyValue(k.name, KeyText(asText, &copy).c_str());
                }
                continue;
            }
        }
        writer.WriteKeyValue(k.name, KeyText(k, k.member(this)).c_str());
    }
    return 1;
}
