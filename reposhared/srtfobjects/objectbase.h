// Record framework: CObjectBase, the column tables that describe each record
// kind, the one engine that reads, writes and walks records from such a
// table, and CDDDiagObject, the base of every two-list section's records with
// the seven columns that end each of their lines.
//
// A record kind is a class with its columns as named members plus one static
// RecordKind built from a table of ColumnDesc rows, in column order:
//
//   column name, type (Int, Hex, String, Guid), member, tech-key position,
//   data position, property id, section id referred to
//
// Rows of type None stand for data positions without a column. Positions are
// 0-based; -1 means "none". Foreign keys are the columns that refer to a
// section, numbered in column order unless a row gives an explicit position.
// Everything a record does (ReadColumn, WriteColumns, the data, tech-key and
// foreign-key walks, SetForeignKey, GetId/SetId, the comment line) follows
// from its table; a record class adds no code of its own.
//
// Reading a line hands each field over as a range of bytes of the line: a
// record whose InPlaceKind names its table (every table record) has it
// converted in place by the column's type (ReadColumnInPlace; fields beyond
// the columns are ignored, as ReadColumn ignores them); a record whose
// InPlaceKind is null gets every field through ReadColumn as a string.
#ifndef SRTF_OBJECTBASE_H
#define SRTF_OBJECTBASE_H

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "srtftext.h"

class COutputLineBuffer;
class CObjectBase;
class CDDDiagObject;

// A value as exchanged with the Java side: type 0 text, 1 int, 2 GUID.
struct PropertyValue {
    enum { kText = 0, kInt = 1, kGuid = 2 };
    int type = kText;
    std::string text;
    int value = 0;
    SrtfGuid guid;
};

struct ForeignKeyRef {
    int reserved = 0;
    int keyValue = 0;
    int objectType = 0;
};

enum class ColType : unsigned char { Int, Hex, String, Guid, None };

// Address of one member of a record, given the record.
using ColumnAccessor = void* (*)(CObjectBase*);

struct ColumnDesc {
    const char* name;
    ColType type;
    ColumnAccessor member;
    int keyPos;     // tech-key position or -1
    int dataPos;    // data position or -1
    int propertyId; // property id reported by the data walk
    int refersTo;   // SectionId the column points into, or -1
    int fkPos;      // explicit foreign-key position, -1 = column order
    int valueKind;  // PropertyValue type reported, -1 = from the column type
};

template <class T, class M, M T::*mp>
void* SrtfColumnAddress(CObjectBase* o) {
    return &(static_cast<T*>(o)->*mp);
}

// One row of a column table:  SRTF_COL(Class, Member, Type, key, data, prop, refers)
#define SRTF_COL(cls, member, type, key, data, prop, refers)                                    \
    ColumnDesc {                                                                                \
        #member, ColType::type, &SrtfColumnAddress<cls, decltype(cls::member), &cls::member>,     \
            key, data, prop, refers, -1, -1                                                     \
    }
// The same with a column name that differs from the member's name ("" for a
// column that the comment line does not name).
#define SRTF_COL_NAMED(name, cls, member, type, key, data, prop, refers)                       \
    ColumnDesc {                                                                                \
        name, ColType::type, &SrtfColumnAddress<cls, decltype(cls::member), &cls::member>,       \
            key, data, prop, refers, -1, -1                                                     \
    }
// The same with an explicit foreign-key position.
#define SRTF_COL_FK(cls, member, type, key, data, prop, refers, fk)                             \
    ColumnDesc {                                                                                \
        #member, ColType::type, &SrtfColumnAddress<cls, decltype(cls::member), &cls::member>,     \
            key, data, prop, refers, fk, -1                                                     \
    }
// A data position that stands on no column.
#define SRTF_NO_COLUMN(data, prop) \
    ColumnDesc { nullptr, ColType::None, nullptr, -1, data, prop, -1, -1, -1 }

// The compiled form of a column table.
class RecordKind {
public:
    // own: the record's own rows in column order; base: the kind whose
    // columns follow on every line (or null); idColumn: index of the own
    // column that GetId/SetId use, -1 for none.
    RecordKind(const char* className, std::initializer_list<ColumnDesc> own,
               const RecordKind* base, int idColumn, CObjectBase* (*create)());

    const char* className;
    std::vector<ColumnDesc> rows;               // own rows as given
    std::vector<const ColumnDesc*> columns;     // own columns, then the base's
    std::vector<const ColumnDesc*> dataOrder;   // by data position
    std::vector<const ColumnDesc*> keyOrder;    // by tech-key position
    std::vector<const ColumnDesc*> fkOrder;     // foreign keys in their order
    const ColumnDesc* idColumn = nullptr;
    const RecordKind* base = nullptr;
    CObjectBase* (*create)() = nullptr;
    std::string commentLine;                    // named columns joined by ", "
};

template <class T>
CObjectBase* SrtfCreateRecord() {
    return new T;
}

class CObjectBase {
public:
    CObjectBase() = default;
    virtual ~CObjectBase();
    CObjectBase(const CObjectBase&) = delete;
    CObjectBase& operator=(const CObjectBase&) = delete;

    virtual int ReadColumn(int index, std::string text);
    // The kind whose column table reads this record's fields in place, or
    // null when every field must go through ReadColumn.
    virtual const RecordKind* InPlaceKind() { return nullptr; }
    // What ReadColumn(index, the n bytes at p) does, without a string of its
    // own; col is InPlaceKind()->columns[index].
    void ReadColumnInPlace(const ColumnDesc& col, const char* p, std::size_t n);
    virtual bool IterateDataProperty(int reset, PropertyValue& out, int& propertyId) = 0;
    virtual void AddDataProperty(int reset, const PropertyValue& value) = 0;
    virtual bool IterateTechKeyProperty(int reset, int& out) = 0;
    virtual void AddTechKeyProperty(int reset, int value) = 0;
    virtual bool IterateForeignKey(int reset, ForeignKeyRef& out) = 0;
    virtual void SetForeignKey(int value, int objectType) = 0;
    virtual int WriteColumns(COutputLineBuffer& buffer) = 0;
    virtual const ColumnDesc* const* GetColumnReaders() = 0;
    virtual int GetColumnCount() = 0;
    virtual int GetId() { return 0; }
    virtual void SetId(int) {}
    // The record as a CDDDiagObject (the base columns of a two-list
    // section's record), or null for any other record.
    virtual CDDDiagObject* DiagObjectPart() { return nullptr; }

    // Reads one field by the column's type (the "column reader").
    static void ReadValue(const ColumnDesc& col, CObjectBase* rec, const std::string& text);
    // The same from the n bytes at p.
    static void ReadValue(const ColumnDesc& col, CObjectBase* rec, const char* p, std::size_t n);
    // Appends one column by its type.
    static void WriteValue(const ColumnDesc& col, CObjectBase* rec, COutputLineBuffer& buffer);

protected:
    // ReadColumn over the given columns (count of them).
    int ReadColumnOf(const ColumnDesc* const* columns, int count, int index, std::string&& text);
    // The engine, shared by every kind: walks over a kind's table with the
    // given cursors.
    bool KindIterateData(const RecordKind& k, int& cursor, int reset, PropertyValue& out,
                         int& propertyId);
    void KindAddData(const RecordKind& k, int& cursor, int reset, const PropertyValue& v);
    bool KindIterateKey(const RecordKind& k, int& cursor, int reset, int& out);
    void KindAddKey(const RecordKind& k, int& cursor, int reset, int value);
    bool KindIterateForeignKey(const RecordKind& k, int& cursor, int reset, ForeignKeyRef& out);
    void KindSetForeignKey(const RecordKind& k, int value, int objectType);
    int KindWriteColumns(const RecordKind& k, COutputLineBuffer& buffer);
    int KindGetId(const RecordKind& k);
    void KindSetId(const RecordKind& k, int value);
};

// A base whose own columns end every line of the records derived from it
// (CDDDiagObject, the SID and request-selection bases). Derived names its
// table in a static BaseKind(); the base walks and fills those columns with
// its own two cursors, and has no tech keys, foreign keys or id.
template <class Derived>
class TBaseColumns : public CObjectBase {
public:
    int baseDataCursor = 0;
    int baseKeyCursor = 0;

    bool IterateDataProperty(int reset, PropertyValue& out, int& propertyId) override {
        return KindIterateData(Derived::BaseKind(), baseDataCursor, reset, out, propertyId);
    }
    void AddDataProperty(int reset, const PropertyValue& value) override {
        KindAddData(Derived::BaseKind(), baseDataCursor, reset, value);
    }
    bool IterateTechKeyProperty(int reset, int&) override {
        if (reset) baseKeyCursor = 0;
        return false;
    }
    void AddTechKeyProperty(int reset, int) override {
        if (reset) baseKeyCursor = 0;
    }
    bool IterateForeignKey(int reset, ForeignKeyRef&) override {
        if (reset) baseKeyCursor = 0;
        return false;
    }
    void SetForeignKey(int, int) override {}
    int WriteColumns(COutputLineBuffer& buffer) override {
        return KindWriteColumns(Derived::BaseKind(), buffer);
    }
    const ColumnDesc* const* GetColumnReaders() override { return Derived::BaseKind().columns.data(); }
    int GetColumnCount() override { return static_cast<int>(Derived::BaseKind().columns.size()); }
    int GetId() override { return 0; }
    void SetId(int) override {}
};

// Base of the records of two-list sections: ObjectGUID, VersionGUID, ACL,
// ObjectStatus, VersionId, ParentVersionId, VersionNumber end every line.
class CDDDiagObject : public TBaseColumns<CDDDiagObject> {
public:
    SrtfGuid ObjectGUID;
    SrtfGuid VersionGUID;
    int ACL = 0;
    int ObjectStatus = 0;
    int VersionId = 0;
    int ParentVersionId = 0;
    int VersionNumber = 0;

    static const RecordKind& BaseKind();
    CDDDiagObject* DiagObjectPart() final { return this; }
    virtual CDDDiagObject* CreateNew();
};

// A record kind described by a table: implements every record operation from
// Kind(), with the walks' own cursors. Base is CObjectBase, CDDDiagObject or
// another base with columns of its own.
template <class Base>
class TTableRecord : public Base {
public:
    virtual const RecordKind& Kind() const = 0;
    const RecordKind* InPlaceKind() override { return &Kind(); }

    bool IterateDataProperty(int reset, PropertyValue& out, int& propertyId) override {
        return this->KindIterateData(Kind(), dataCursor, reset, out, propertyId);
    }
    void AddDataProperty(int reset, const PropertyValue& value) override {
        this->KindAddData(Kind(), dataCursor, reset, value);
    }
    bool IterateTechKeyProperty(int reset, int& out) override {
        return this->KindIterateKey(Kind(), keyCursor, reset, out);
    }
    void AddTechKeyProperty(int reset, int value) override {
        this->KindAddKey(Kind(), keyCursor, reset, value);
    }
    bool IterateForeignKey(int reset, ForeignKeyRef& out) override {
        return this->KindIterateForeignKey(Kind(), keyCursor, reset, out);
    }
    void SetForeignKey(int value, int objectType) override {
        this->KindSetForeignKey(Kind(), value, objectType);
    }
    int WriteColumns(COutputLineBuffer& buffer) override {
        return this->KindWriteColumns(Kind(), buffer);
    }
    const ColumnDesc* const* GetColumnReaders() override { return Kind().columns.data(); }
    int GetColumnCount() override { return static_cast<int>(Kind().columns.size()); }
    // Same as the inherited one, with the kind looked up once.
    int ReadColumn(int index, std::string text) override {
        const RecordKind& k = Kind();
        return this->ReadColumnOf(k.columns.data(), static_cast<int>(k.columns.size()), index,
                                  std::move(text));
    }
    int GetId() override { return this->KindGetId(Kind()); }
    void SetId(int value) override { this->KindSetId(Kind(), value); }

protected:
    int dataCursor = 0;
    int keyCursor = 0;
};

// Record of a two-list section.
class CDDRecord : public TTableRecord<CDDDiagObject> {
public:
    CDDDiagObject* CreateNew() override;
};

// Record on CObjectBase directly (one-list sections).
using CPlainRecord = TTableRecord<CObjectBase>;

// ---- reading fields in place (inline: one call per line, not per field) ----

inline void CObjectBase::ReadValue(const ColumnDesc& col, CObjectBase* rec, const char* p,
                                   std::size_t n) {
    void* member = col.member(rec);
    switch (col.type) {
        case ColType::Int: ParseDecimalField(p, n, *static_cast<int*>(member)); break;
        case ColType::Hex: ParseHexField(p, n, *static_cast<int*>(member)); break;
        case ColType::String:
            // A string of its own, with room for exactly these bytes.
            *static_cast<std::string*>(member) = std::string(p, n);
            break;
        case ColType::Guid: GuidFromHexString(*static_cast<SrtfGuid*>(member), p, n); break;
        case ColType::None: break;
    }
}

inline void CObjectBase::ReadColumnInPlace(const ColumnDesc& col, const char* p, std::size_t n) {
    // A text of spaces only reads as the empty text; anything else as it is.
    if (n != 0 && p[0] == ' ') {
        std::size_t i = 1;
        while (i < n && p[i] == ' ') ++i;
        if (i == n) n = 0;
    }
    ReadValue(col, this, p, n);
}

#define SRTF_STR_(x) #x
#define SRTF_STR(x) SRTF_STR_(x)

// Declares the kind of a record class inside its class body.
#define SRTF_RECORD_KIND(cls)                                 \
public:                                                       \
    static const RecordKind& StaticKind();                    \
    const RecordKind& Kind() const override { return StaticKind(); }

// Defines the kind of a two-list record: SRTF_DD_RECORD_TABLE(cls, idCol, rows...)
#define SRTF_DD_RECORD_TABLE(cls, idColumn, ...)                                          \
    const RecordKind& cls::StaticKind() {                                                 \
        static const RecordKind kind(SRTF_STR(cls), {__VA_ARGS__}, &CDDDiagObject::BaseKind(),     \
                                     idColumn, &SrtfCreateRecord<cls>);                   \
        return kind;                                                                      \
    }
// Defines the kind of a record with no base columns.
#define SRTF_PLAIN_RECORD_TABLE(cls, idColumn, ...)                                        \
    const RecordKind& cls::StaticKind() {                                                 \
        static const RecordKind kind(SRTF_STR(cls), {__VA_ARGS__}, nullptr, idColumn,              \
                                     &SrtfCreateRecord<cls>);                             \
        return kind;                                                                      \
    }

#endif
