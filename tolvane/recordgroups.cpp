// Column groups of a record: walk steps, stores and group sizes.
#include "recordgroups.h"

#include "srtfservice.h"

namespace {

CDDDiagObject* BaseColumnsOf(CObjectBase& record) { return record.DiagObjectPart(); }

// The column table of a record described by one (records of two-list
// sections and records on CObjectBase directly), or null.
const RecordKind* TableKindOf(CObjectBase& record) {
    if (auto* r = dynamic_cast<TTableRecord<CDDDiagObject>*>(&record)) return &r->Kind();
    if (auto* r = dynamic_cast<TTableRecord<CObjectBase>*>(&record)) return &r->Kind();
    return nullptr;
}

}  // namespace

bool StepGroup(CObjectBase& record, PropertyGroup group, bool reset, PropertyValue& value) {
    const int r = reset ? 1 : 0;
    int propertyId = 0;  // reported by the record, not passed to the Java side
    switch (group) {
        case PropertyGroup::TechKey: {
            int key = 0;
            if (!record.IterateTechKeyProperty(r, key)) return false;
            value.type = PropertyValue::kInt;
            value.value = key;
            return true;
        }
        case PropertyGroup::Data:
            return record.IterateDataProperty(r, value, propertyId);
        case PropertyGroup::Base: {
            CDDDiagObject* base = BaseColumnsOf(record);
            return base && base->CDDDiagObject::IterateDataProperty(r, value, propertyId);
        }
    }
    return false;
}

void StoreGroup(CObjectBase& record, PropertyGroup group, bool reset, const PropertyValue& value) {
    const int r = reset ? 1 : 0;
    switch (group) {
        case PropertyGroup::TechKey:
            record.AddTechKeyProperty(r, value.value);
            break;
        case PropertyGroup::Data:
            record.AddDataProperty(r, value);
            break;
        case PropertyGroup::Base:
            if (CDDDiagObject* base = BaseColumnsOf(record)) base->CDDDiagObject::AddDataProperty(r, value);
            break;
    }
}

int GroupSize(CObjectBase& record, PropertyGroup group, int place) {
    if (group == PropertyGroup::Base)
        return BaseColumnsOf(record)
                   ? static_cast<int>(CDDDiagObject::BaseKind().dataOrder.size())
                   : 0;
    if (const RecordKind* kind = TableKindOf(record))
        return static_cast<int>(group == PropertyGroup::Data ? kind->dataOrder.size()
                                                             : kind->keyOrder.size());
    // A record without a column table: count the steps of a full walk, then
    // step again from the start up to the place the adds had reached.
    PropertyValue scratch;
    int size = 0;
    while (StepGroup(record, group, size == 0, scratch)) ++size;
    for (int i = 0; i < place && i < size; ++i) StepGroup(record, group, i == 0, scratch);
    return size;
}
