// Section framework: dispatch, field splitting, the record index and the
// behaviour of the three section shapes.
#include "sectionbase.h"

#include <cstring>

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

// The text of one field as it is gathered: while it is one stretch of the
// value it is only pointed at; a second, separate piece copies it into a
// buffer that keeps its capacity from field to field.
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
    // The field as a string of its own; the builder starts the next field.
    std::string Take() {
        std::string text = copied_ ? std::string(buffer_) : std::string(start_, length_);
        start_ = nullptr;
        length_ = 0;
        copied_ = false;
        buffer_.clear();
        return text;
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
// last field: it belongs to it unless a quote is open.
void CSectionBase::ParseRecordFields(const std::string& value, CObjectBase* record) {
    const char* v = value.data();
    const size_t n = value.size();
    if (n == 0) return;
    const size_t last = n - 1;
    FieldText field;
    int index = 0;
    bool open = false;
    size_t i = 0;
    while (i < n) {
        const char c = v[i];
        if (i == last) {
            if (!open) field.Add(v + i, 1);
            record->ReadColumn(index, field.Take());
            break;
        }
        if (c == ',' && !open) {
            record->ReadColumn(index, field.Take());
            ++index;
            ++i;
        } else if (c == '"') {
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
            // A run of ordinary bytes; it never takes the last byte. Inside
            // quotes only a quote ends it.
            size_t j = i + 1;
            if (open) {
                const void* quote = std::memchr(v + j, '"', last - j);
                j = quote ? static_cast<size_t>(static_cast<const char*>(quote) - v) : last;
            } else {
                while (j < last && v[j] != '"' && v[j] != ',') ++j;
            }
            field.Add(v + i, j - i);
            i = j;
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
