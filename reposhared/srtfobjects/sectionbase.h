// Section framework: CSectionBase and the three section shapes.
//
// - CTwoListSection: a Base and a Latest list of records of one kind (the
//   CDD... sections); a few kinds keep the Latest list first, and the
//   inter-model relationship section keeps one list that serves as both.
// - COneListSection: one list of records of one kind.
// - CKeyValueSection: one named member per key (the header and the key-value
//   administration and error sections), with repeatable keys kept as lists.
//
// A section kind is a short declaration: its class, its shape and what the
// shape needs (record kind and record types, or its key table); see the
// SRTF_*_SECTION macros. Each kind has one static record-type table through
// which DispatchRecord routes the lines of a file (record types compared
// without regard to case; every matching entry is called).
#ifndef SRTF_SECTIONBASE_H
#define SRTF_SECTIONBASE_H

#include <map>
#include <string>
#include <vector>

#include "objectbase.h"

class IpFmtWrite;
class CSectionBase;

using RecordList = std::vector<CObjectBase*>;

struct RecordTypeEntry {
    const char* recordType;
    int reserved;
    // Reads one line of this type into the section; arg tells the shape
    // which list or key the entry stands for.
    void (*handler)(CSectionBase& section, const std::string& value, int arg);
    int arg;
};

struct RecordKey {
    int sectionId = -1;
    unsigned int id = 0;
};

class CSectionBase {
public:
    CSectionBase() = default;
    virtual ~CSectionBase();
    CSectionBase(const CSectionBase&) = delete;
    CSectionBase& operator=(const CSectionBase&) = delete;

    virtual const RecordTypeEntry* GetRecordTypeTable() = 0;
    virtual int GetRecordTypeCount() = 0;
    virtual int Write(IpFmtWrite& writer) = 0;
    virtual void DispatchRecord(std::string& recordType, const std::string& value);
    virtual RecordList* GetLatestList() { return nullptr; }
    virtual RecordList* GetBaseList() { return nullptr; }
    virtual CObjectBase* CreateRecord() { return nullptr; }
    virtual RecordList* GetRecordList() { return nullptr; }
    virtual int GetRecordCount() { return 0; }
    virtual int EncryptPassword(const std::string& plain, std::string& out, int& stamp);
    virtual int DecryptPassword(const std::string& cipher, std::string& out, int stamp);

    static void ParseRecordFields(const char* value, CObjectBase* record);
    static void ParseRecordFields(const std::string& value, CObjectBase* record);
    static bool IndexKeyLess(const RecordKey& a, const RecordKey& b);
    // Seconds since 1970-01-01 00:00:00 local time; false when that date
    // cannot be converted.
    static bool GetPasswordStamp(int& stamp);

    // Enters a Latest record into the record index (first record of a key stays).
    void IndexRecord(CObjectBase* record);

    int ownsRecords = 1;
    int indexEnabled = 0;
    int sectionId = 0;
    struct KeyLess {
        bool operator()(const RecordKey& a, const RecordKey& b) const { return IndexKeyLess(a, b); }
    };
    std::map<RecordKey, CObjectBase*, KeyLess> recordIndex;
    int passwordMode = 4;
};

// ---------------------------------------------------------------------------
// Record sections

struct RecordSectionShape {
    enum Layout { BaseFirst, LatestFirst, SingleList, OneList };
    RecordSectionShape(const char* sectionName, const RecordKind& (*kind)(), Layout layout,
                       const char* firstType, const char* secondType, bool offersRecordList);

    const char* name;                    // written between the brackets
    const RecordKind& (*recordKind)();
    Layout layout;
    RecordTypeEntry table[2];
    int tableCount;
    bool offersRecordList;               // GetRecordList answers (one-list)
};

// Shared by the two record shapes: lists, writing, destruction.
class CRecordSection : public CSectionBase {
public:
    explicit CRecordSection(const RecordSectionShape& shape) : shape_(shape) {}
    ~CRecordSection() override;

    const RecordTypeEntry* GetRecordTypeTable() override { return shape_.table; }
    int GetRecordTypeCount() override { return shape_.tableCount; }
    int Write(IpFmtWrite& writer) override;

    const RecordSectionShape& Shape() const { return shape_; }
    const RecordKind& Kind() const { return shape_.recordKind(); }
    // The list that an entry of the table fills (0 = first, 1 = second).
    RecordList& List(int i) { return lists_[i]; }

    static void ReadIntoList(CSectionBase& section, const std::string& value, int list);

protected:
    const RecordSectionShape& shape_;
    RecordList lists_[2];
};

class CTwoListSection : public CRecordSection {
public:
    using CRecordSection::CRecordSection;
    RecordList* GetLatestList() override;
    RecordList* GetBaseList() override;
    CObjectBase* CreateRecord() override;
    int GetRecordCount() override;
};

class COneListSection : public CRecordSection {
public:
    using CRecordSection::CRecordSection;
    RecordList* GetRecordList() override;
    int GetRecordCount() override { return static_cast<int>(lists_[0].size()); }
    RecordList& Records() { return lists_[0]; }
};

// ---------------------------------------------------------------------------
// Key-value sections

using KeyAccessor = void* (*)(CSectionBase*);

struct KeyDesc {
    const char* name;
    ColType type;
    KeyAccessor member;
    KeyAccessor list;  // std::vector<std::string> of a repeatable key, or null
};

template <class T, class M, M T::*mp>
void* SrtfKeyAddress(CSectionBase* s) {
    return &(static_cast<T*>(s)->*mp);
}

#define SRTF_KEY(cls, member, type) \
    KeyDesc { #member, ColType::type, &SrtfKeyAddress<cls, decltype(cls::member), &cls::member>, nullptr }
#define SRTF_KEY_NAMED(name, cls, member, type) \
    KeyDesc { name, ColType::type, &SrtfKeyAddress<cls, decltype(cls::member), &cls::member>, nullptr }
// A repeatable text key: each line is appended to listMember.
#define SRTF_REPEATED_KEY(cls, member, listMember)                                        \
    KeyDesc {                                                                             \
        #member, ColType::String, &SrtfKeyAddress<cls, decltype(cls::member), &cls::member>, \
            &SrtfKeyAddress<cls, decltype(cls::listMember), &cls::listMember>             \
    }

struct KeyValueShape {
    KeyValueShape(const char* sectionName, std::initializer_list<KeyDesc> keys);
    const char* name;
    std::vector<KeyDesc> keys;
    std::vector<RecordTypeEntry> table;
};

class CKeyValueSection : public CSectionBase {
public:
    explicit CKeyValueSection(const KeyValueShape& shape) : shape_(shape) {}
    const RecordTypeEntry* GetRecordTypeTable() override { return shape_.table.data(); }
    int GetRecordTypeCount() override { return static_cast<int>(shape_.table.size()); }
    int Write(IpFmtWrite& writer) override;

    static void ReadKey(CSectionBase& section, const std::string& value, int key);

    // How a key value is read: texts lose every double quote, except that a
    // value which is exactly one quoted text (inner quotes doubled) is read
    // as that text; so what Write writes reads back unchanged.
    static std::string ReadKeyText(const std::string& value);

private:
    const KeyValueShape& shape_;
};

// ---------------------------------------------------------------------------
// Declarations of section kinds. In the header:
//     class CDDEntitySection : public CTwoListSection { SRTF_SECTION_KIND(CDDEntitySection) };
// and in the source file one of the SRTF_*_SECTION definitions below.

#define SRTF_SECTION_KIND(cls) \
public:                        \
    cls();

#define SRTF_RECORD_SECTION_DEF(cls, base, rec, layout, first, second, offers)                  \
    static const RecordSectionShape& cls##Shape() {                                              \
        static const RecordSectionShape shape(&#cls[1], &rec::StaticKind,                        \
                                              RecordSectionShape::layout, first, second, offers); \
        return shape;                                                                            \
    }                                                                                            \
    cls::cls() : base(cls##Shape()) {}

// Base list first (record types: Base, Latest).
#define SRTF_TWO_LIST_SECTION(cls, rec, baseType, latestType) \
    SRTF_RECORD_SECTION_DEF(cls, CTwoListSection, rec, BaseFirst, baseType, latestType, false)
// Latest list first (record types: Latest, Base).
#define SRTF_LATEST_FIRST_SECTION(cls, rec, latestType, baseType) \
    SRTF_RECORD_SECTION_DEF(cls, CTwoListSection, rec, LatestFirst, latestType, baseType, false)
// One list serving as both Base and Latest, one record type read as Latest.
#define SRTF_SINGLE_LIST_SECTION(cls, rec, recordType) \
    SRTF_RECORD_SECTION_DEF(cls, CTwoListSection, rec, SingleList, recordType, nullptr, false)
// One-list section; offersRecordList: GetRecordList answers with the list.
#define SRTF_ONE_LIST_SECTION(cls, rec, recordType, offersRecordList) \
    SRTF_RECORD_SECTION_DEF(cls, COneListSection, rec, OneList, recordType, nullptr, offersRecordList)

// Key-value section: SRTF_KEY_VALUE_SECTION(cls, SRTF_KEY(cls, Member, Type), ...)
#define SRTF_KEY_VALUE_SECTION(cls, ...)                                  \
    static const KeyValueShape& cls##Shape() {                            \
        static const KeyValueShape shape(&#cls[1], {__VA_ARGS__});        \
        return shape;                                                     \
    }                                                                     \
    cls::cls() : CKeyValueSection(cls##Shape()) {}

#endif
