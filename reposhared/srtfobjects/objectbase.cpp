// The record engine: every record operation, driven by a kind's column table.
#include "objectbase.h"

#include <algorithm>
#include <stdexcept>

#include "ipfmtwrite.h"

namespace {

int ValueKindOf(const ColumnDesc& c) {
    if (c.valueKind >= 0) return c.valueKind;
    switch (c.type) {
        case ColType::String: return PropertyValue::kText;
        case ColType::Guid: return PropertyValue::kGuid;
        default: return PropertyValue::kInt;
    }
}

// Orders the rows that carry a position; a table with two rows on one
// position or a gap is a programming error, caught when the kind is built.
std::vector<const ColumnDesc*> Ordered(const std::vector<ColumnDesc>& rows,
                                       int ColumnDesc::*pos, const char* cls,
                                       const char* what) {
    std::vector<const ColumnDesc*> out;
    for (const ColumnDesc& r : rows)
        if (r.*pos >= 0) out.push_back(&r);
    std::stable_sort(out.begin(), out.end(),
                     [pos](const ColumnDesc* a, const ColumnDesc* b) { return a->*pos < b->*pos; });
    for (size_t i = 0; i < out.size(); ++i)
        if (out[i]->*pos != static_cast<int>(i))
            throw std::logic_error(std::string(cls) + ": " + what + " positions not 0..n-1");
    return out;
}

}  // namespace

RecordKind::RecordKind(const char* name, std::initializer_list<ColumnDesc> own,
                       const RecordKind* baseKind, int idCol, CObjectBase* (*make)())
    : className(name), rows(own), base(baseKind), create(make) {
    for (const ColumnDesc& r : rows)
        if (r.type != ColType::None) columns.push_back(&r);
    if (idCol >= 0) idColumn = columns.at(static_cast<size_t>(idCol));
    if (base) columns.insert(columns.end(), base->columns.begin(), base->columns.end());

    dataOrder = Ordered(rows, &ColumnDesc::dataPos, name, "data");
    keyOrder = Ordered(rows, &ColumnDesc::keyPos, name, "tech-key");

    std::vector<const ColumnDesc*> fks;
    bool explicitOrder = false;
    for (const ColumnDesc& r : rows)
        if (r.refersTo >= 0 && r.type != ColType::None) {
            fks.push_back(&r);
            explicitOrder = explicitOrder || r.fkPos >= 0;
        }
    if (explicitOrder) {
        fkOrder = Ordered(rows, &ColumnDesc::fkPos, name, "foreign-key");
    } else {
        fkOrder = fks;
    }

    // A column without a name stands on the lines but not in the comment line.
    for (const ColumnDesc* c : columns) {
        if (!c->name || !*c->name) continue;
        if (!commentLine.empty()) commentLine += ", ";
        commentLine += c->name;
    }
}

CObjectBase::~CObjectBase() = default;

int CObjectBase::ReadColumn(int index, std::string text) {
    return ReadColumnOf(GetColumnReaders(), GetColumnCount(), index, std::move(text));
}

int CObjectBase::ReadColumnOf(const ColumnDesc* const* columns, int count, int index,
                              std::string&& text) {
    // A text of spaces only reads as the empty text; anything else as it is.
    if (!text.empty() && text[0] == ' ' && text.find_first_not_of(' ') == std::string::npos)
        text.clear();
    if (index < 0 || index >= count) return 0;
    const ColumnDesc& col = *columns[index];
    if (col.type == ColType::String)
        *static_cast<std::string*>(col.member(this)) = std::move(text);  // ours: no copy
    else
        ReadValue(col, this, text);
    return 0;
}

void CObjectBase::ReadValue(const ColumnDesc& col, CObjectBase* rec, const std::string& text) {
    void* p = col.member(rec);
    switch (col.type) {
        case ColType::Int: ParseDecimalField(text.c_str(), *static_cast<int*>(p)); break;
        case ColType::Hex: ParseHexField(text.c_str(), *static_cast<int*>(p)); break;
        case ColType::String: *static_cast<std::string*>(p) = text; break;
        case ColType::Guid: GuidFromHexString(*static_cast<SrtfGuid*>(p), text.c_str()); break;
        case ColType::None: break;
    }
}

void CObjectBase::WriteValue(const ColumnDesc& col, CObjectBase* rec, COutputLineBuffer& b) {
    void* p = col.member(rec);
    switch (col.type) {
        case ColType::Int: b.AddInt(*static_cast<int*>(p)); break;
        case ColType::Hex: b.AddHex(*static_cast<int*>(p)); break;
        case ColType::String: b.AddQuotedString(*static_cast<std::string*>(p)); break;
        case ColType::Guid: b.AddGuid(*static_cast<SrtfGuid*>(p)); break;
        case ColType::None: break;
    }
}

bool CObjectBase::KindIterateData(const RecordKind& k, int& cursor, int reset,
                                  PropertyValue& out, int& propertyId) {
    if (reset) cursor = 0;
    if (cursor < 0 || cursor >= static_cast<int>(k.dataOrder.size())) return false;
    const ColumnDesc& c = *k.dataOrder[static_cast<size_t>(cursor)];
    if (c.type != ColType::None) {
        void* p = c.member(this);
        out.type = ValueKindOf(c);
        switch (c.type) {
            case ColType::String: out.text = *static_cast<std::string*>(p); break;
            case ColType::Guid: out.guid = *static_cast<SrtfGuid*>(p); break;
            default: out.value = *static_cast<int*>(p); break;
        }
    }
    propertyId = c.propertyId;
    ++cursor;
    return true;
}

void CObjectBase::KindAddData(const RecordKind& k, int& cursor, int reset, const PropertyValue& v) {
    if (reset) cursor = 0;
    if (cursor < 0 || cursor >= static_cast<int>(k.dataOrder.size())) return;
    const ColumnDesc& c = *k.dataOrder[static_cast<size_t>(cursor)];
    if (c.type != ColType::None) {
        void* p = c.member(this);
        switch (c.type) {
            case ColType::String: *static_cast<std::string*>(p) = v.text; break;
            case ColType::Guid: *static_cast<SrtfGuid*>(p) = v.guid; break;
            default: *static_cast<int*>(p) = v.value; break;
        }
    }
    ++cursor;
}

bool CObjectBase::KindIterateKey(const RecordKind& k, int& cursor, int reset, int& out) {
    if (reset) cursor = 0;
    if (cursor < 0 || cursor >= static_cast<int>(k.keyOrder.size())) return false;
    out = *static_cast<int*>(k.keyOrder[static_cast<size_t>(cursor)]->member(this));
    ++cursor;
    return true;
}

void CObjectBase::KindAddKey(const RecordKind& k, int& cursor, int reset, int value) {
    if (reset) cursor = 0;
    if (cursor < 0 || cursor >= static_cast<int>(k.keyOrder.size())) return;
    *static_cast<int*>(k.keyOrder[static_cast<size_t>(cursor)]->member(this)) = value;
    ++cursor;
}

bool CObjectBase::KindIterateForeignKey(const RecordKind& k, int& cursor, int reset,
                                        ForeignKeyRef& out) {
    if (reset) cursor = 0;
    if (cursor < 0 || cursor >= static_cast<int>(k.fkOrder.size())) return false;
    const ColumnDesc& c = *k.fkOrder[static_cast<size_t>(cursor)];
    out.keyValue = *static_cast<int*>(c.member(this));
    out.objectType = c.refersTo;
    ++cursor;
    return true;
}

void CObjectBase::KindSetForeignKey(const RecordKind& k, int value, int objectType) {
    // The first column in column order that refers to objectType.
    for (const ColumnDesc& c : k.rows)
        if (c.type != ColType::None && c.refersTo >= 0 && c.refersTo == objectType) {
            *static_cast<int*>(c.member(this)) = value;
            return;
        }
}

int CObjectBase::KindWriteColumns(const RecordKind& k, COutputLineBuffer& buffer) {
    for (const ColumnDesc* c : k.columns) WriteValue(*c, this, buffer);
    return 1;
}

int CObjectBase::KindGetId(const RecordKind& k) {
    return k.idColumn ? *static_cast<int*>(k.idColumn->member(this)) : 0;
}

void CObjectBase::KindSetId(const RecordKind& k, int value) {
    if (k.idColumn) *static_cast<int*>(k.idColumn->member(this)) = value;
}

// ---- CDDDiagObject ----

const RecordKind& CDDDiagObject::BaseKind() {
    static const RecordKind kind(
        "CDDDiagObject",
        {
            //       class          member           type    key data  property refers
            SRTF_COL(CDDDiagObject, ObjectGUID,      Guid,   -1,  0,   28688,   -1),
            SRTF_COL(CDDDiagObject, VersionGUID,     Guid,   -1,  1,   28689,   -1),
            SRTF_COL(CDDDiagObject, ACL,             Hex,    -1,  2,   28690,   -1),
            SRTF_COL(CDDDiagObject, ObjectStatus,    Hex,    -1,  3,   28691,   -1),
            SRTF_COL(CDDDiagObject, VersionId,       Int,    -1,  4,   29256,   -1),
            SRTF_COL(CDDDiagObject, ParentVersionId, Int,    -1,  5,   29257,   -1),
            SRTF_COL(CDDDiagObject, VersionNumber,   Int,    -1,  6,   29258,   -1),
        },
        nullptr, -1, &SrtfCreateRecord<CDDDiagObject>);
    return kind;
}

CDDDiagObject* CDDDiagObject::CreateNew() { return new CDDDiagObject; }

CDDDiagObject* CDDRecord::CreateNew() { return static_cast<CDDDiagObject*>(Kind().create()); }
