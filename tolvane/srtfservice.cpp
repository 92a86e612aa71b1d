// CSRTFService: handles, documents, the record, property and error walks.
#include "srtfservice.h"

#include <algorithm>

#include "errorsections.h"
#include "recordgroups.h"
#include "srtftext.h"

namespace {

bool ValidSectionId(int id) { return id >= 0 && id < kSectionIdCount; }

// The sections whose own record list the Java side walks; the first six also
// take new records from it, of the section's fixed record class.
bool TakesFixedRecords(int id) {
    switch (id) {
        case 3:    // LOCALOBJECTSECTION
        case 130:  // USERINFOSECTION
        case 138:  // USERSELECTIONSECTION
        case 171:  // ROLEPRIVILEGESECTION
        case 172:  // REPOOBJECTPRIVILEGESECTION
        case 173:  // REPOROLEINFOSECTION
            return true;
        default:
            return false;
    }
}
bool OffersOwnRecordList(int id) { return TakesFixedRecords(id) || id == 213; }  // LOOKUPINFOSECTION

std::string* HeaderTextMember(CHeaderSection& h, HeaderText field) {
    switch (field) {
        case HeaderText::FileName: return &h.SRTFFileSpec;
        case HeaderText::UserName: return &h.UserName;
        case HeaderText::Operation: return &h.Operation;
        case HeaderText::Comment: return &h.Comment;
        case HeaderText::Machine: return &h.MachineName;
        case HeaderText::Password: return &h.UserPassword;
    }
    return nullptr;
}

SrtfGuid* HeaderGuidMember(CHeaderSection& h, HeaderGuid field) {
    switch (field) {
        case HeaderGuid::Object: return &h.ObjectGUID;
        case HeaderGuid::Transaction: return &h.TransactionGUID;
        case HeaderGuid::Signature: return &h.SignatureGUID;
    }
    return nullptr;
}

const char kServerErrorOperation[] = "REPO SRV ERROR";

}  // namespace

int& PropertyCursor::IndexOf(PropertyGroup group) {
    switch (group) {
        case PropertyGroup::TechKey: return techKeyIndex;
        case PropertyGroup::Data: return dataIndex;
        case PropertyGroup::Base: break;
    }
    return baseIndex;
}

void PropertyCursor::Restart() {
    techKeyIndex = dataIndex = baseIndex = -1;
    hasCurrent = false;
}

CSRTFService::~CSRTFService() = default;

// ---- handles and documents ----

int CSRTFService::CreateContainer() { return AdoptContainer(std::make_unique<CSRTFContainer>()); }

int CSRTFService::AdoptContainer(std::unique_ptr<CSRTFContainer> container) {
    // The number is taken before the entry is made: should that fail, the
    // number is simply never issued.
    const int handle = ++lastHandle;
    containers.emplace(handle, std::move(container));
    return handle;
}

void CSRTFService::ReleaseContainer(int handle) noexcept {
    auto it = containers.find(handle);
    if (it == containers.end()) return;
    // Nothing may point into the document once it is gone.
    addedObjects.erase(handle);
    objectCursors.erase(handle);
    errorLists.erase(handle);
    containers.erase(it);
}

CSRTFContainer* CSRTFService::FindContainer(int handle) const {
    auto it = containers.find(handle);
    return it == containers.end() ? nullptr : it->second.get();
}

CHeaderSection* CSRTFService::GetHeader(int handle) {
    return static_cast<CHeaderSection*>(GetOrCreateSection(handle, 0));
}

CSectionBase* CSRTFService::GetOrCreateSection(int handle, int sectionId) {
    CSRTFContainer* doc = FindContainer(handle);
    if (!doc) return nullptr;
    if (CSectionBase* s = doc->FindSection(sectionId, false)) return s;
    return doc->CreateSection(sectionId);
}

// ---- documents and header fields ----

int CSRTFService::Init() { return CreateContainer(); }

int CSRTFService::InitFromFile(const std::string& path) {
    auto container = std::make_unique<CSRTFContainer>();
    container->SetFilePath(path);
    return AdoptContainer(std::move(container));
}

void CSRTFService::Read(int handle) {
    if (CSRTFContainer* doc = FindContainer(handle)) doc->Read();
}

void CSRTFService::Save(int handle) {
    if (CSRTFContainer* doc = FindContainer(handle)) doc->Save();
}

std::string CSRTFService::GetHeaderText(int handle, HeaderText field) {
    if (!FindContainer(handle)) return std::string();
    return *HeaderTextMember(*GetHeader(handle), field);
}

void CSRTFService::SetHeaderText(int handle, HeaderText field, const std::string& value) {
    CSRTFContainer* doc = FindContainer(handle);
    if (!doc) return;
    *HeaderTextMember(*GetHeader(handle), field) = value;
    if (field == HeaderText::FileName) doc->SetFilePath(value);
}

int CSRTFService::GetMiscStatus(int handle) {
    if (!FindContainer(handle)) return 0;
    return GetHeader(handle)->MiscStatus;
}

void CSRTFService::SetMiscStatus(int handle, int value) {
    if (!FindContainer(handle)) return;
    GetHeader(handle)->MiscStatus = value;
}

std::string CSRTFService::GetHeaderGuid(int handle, HeaderGuid field) {
    if (!FindContainer(handle)) return std::string();
    return GuidToHexString(*HeaderGuidMember(*GetHeader(handle), field));
}

void CSRTFService::SetHeaderGuid(int handle, HeaderGuid field, const std::string& text) {
    if (!FindContainer(handle)) return;
    *HeaderGuidMember(*GetHeader(handle), field) = HexStringToGuid(text.c_str());
}

// ---- records ----

CObjectBase* CSRTFService::AddObject(CSectionBase* section) {
    if (TakesFixedRecords(section->sectionId)) {
        auto* own = dynamic_cast<COneListSection*>(section);
        if (!own) return nullptr;
        std::unique_ptr<CObjectBase> record(own->Kind().create());
        own->Records().push_back(record.get());
        return record.release();
    }
    std::unique_ptr<CObjectBase> record(section->CreateRecord());
    RecordList* latest = section->GetLatestList();
    if (!record || !latest) return nullptr;
    latest->push_back(record.get());
    return record.release();
}

RecordList* CSRTFService::ObjectListOf(CSectionBase* section) {
    if (OffersOwnRecordList(section->sectionId)) {
        auto* own = dynamic_cast<COneListSection*>(section);
        return own ? &own->Records() : nullptr;
    }
    return section->GetLatestList();
}

void CSRTFService::AddObject(int handle, int sectionId) {
    if (!FindContainer(handle)) return;
    // Whatever happens below, the handle is left without the old added record
    // and with a fresh property walk.
    addedObjects.erase(handle);
    RestartPropertyCursor(handle);
    if (!ValidSectionId(sectionId)) return;
    CObjectBase* record = AddObject(GetOrCreateSection(handle, sectionId));
    if (record) addedObjects[handle] = record;
}

bool CSRTFService::IterateObject(int handle, int sectionId) {
    CSRTFContainer* doc = FindContainer(handle);
    if (!doc) return false;
    CSectionBase* section = doc->FindSection(sectionId, false);
    RecordList* list = section ? ObjectListOf(section) : nullptr;
    if (list) {
        // A walk of another list (the id changed in the middle of a walk)
        // starts this list from its first record.
        std::size_t next = 0;
        auto it = objectCursors.find(handle);
        if (it != objectCursors.end() && it->second.list == list) next = it->second.index + 1;
        if (next < list->size()) {
            objectCursors[handle] = ObjectCursor{list, next};
            RestartPropertyCursor(handle);
            return true;
        }
    }
    EraseObjectCursor(handle);
    RestartPropertyCursor(handle);
    return false;
}

CObjectBase* CSRTFService::GetAddedObject(int handle) const {
    auto it = addedObjects.find(handle);
    return it == addedObjects.end() ? nullptr : it->second;
}

bool CSRTFService::HasObjectCursor(int handle) const { return objectCursors.count(handle) != 0; }

CObjectBase* CSRTFService::GetObjectCursor(int handle) const {
    auto it = objectCursors.find(handle);
    if (it == objectCursors.end()) return nullptr;
    const ObjectCursor& c = it->second;
    return c.index < c.list->size() ? (*c.list)[c.index] : nullptr;
}

void CSRTFService::EraseObjectCursor(int handle) { objectCursors.erase(handle); }

// ---- properties ----

const PropertyCursor* CSRTFService::FindPropertyCursor(int handle) const {
    auto it = propertyCursors.find(handle);
    return it == propertyCursors.end() ? nullptr : &it->second;
}

PropertyCursor& CSRTFService::GetPropertyCursor(int handle) { return propertyCursors[handle]; }

void CSRTFService::RestartPropertyCursor(int handle) {
    // Kept in place rather than erased: a record walk restarts it on every
    // record, and its values keep their storage for the next record's steps.
    auto it = propertyCursors.find(handle);
    if (it != propertyCursors.end()) it->second.Restart();
}

void CSRTFService::AddProperty(int handle, PropertyGroup group, int position,
                               const PropertyValue& value) {
    if (!FindContainer(handle)) return;
    CObjectBase* record = GetAddedObject(handle);
    if (!record || position < 0) return;
    // The index counts each step as it is taken, so that it stays in step
    // with the record's own place should a store fail part way.
    int& i = GetPropertyCursor(handle).IndexOf(group);
    i = std::max(i, 0);
    bool reset = i == 0;  // the group's first step starts the record's place afresh
    const int size = GroupSize(*record, group, reset ? -1 : i);

    PropertyValue filler;
    filler.type = PropertyValue::kInt;
    // Fillers stop at the group's end: a position past it stores nothing and
    // leaves the group at its end, so later positions are ignored as passed.
    const int fillEnd = std::min(position, size);
    for (; i < fillEnd; ++i, reset = false) StoreGroup(*record, group, reset, filler);
    if (i == position && position < size) {
        StoreGroup(*record, group, reset, value);
        ++i;
    }
}

int CSRTFService::IterateProperty(int handle, PropertyGroup group) {
    if (!FindContainer(handle)) return -1;
    CObjectBase* record = GetObjectCursor(handle);
    if (!record) return -1;
    PropertyCursor& cursor = GetPropertyCursor(handle);
    const int i = std::max(cursor.IndexOf(group), 0);
    // The step starts from an integer 0, as a new value would; the text only
    // keeps its storage.
    PropertyValue& value = cursor.next;
    value.type = PropertyValue::kInt;
    value.text.clear();
    value.value = 0;
    value.guid = SrtfGuid();
    if (!StepGroup(*record, group, i == 0, value)) {
        cursor.IndexOf(group) = i;
        return -1;  // the group has ended; the current value stays
    }
    std::swap(cursor.current, cursor.next);
    cursor.hasCurrent = true;
    cursor.IndexOf(group) = i + 1;
    return i;
}

int CSRTFService::GetIntProperty(int handle) const {
    const PropertyCursor* c = FindPropertyCursor(handle);
    return c && c->hasCurrent ? c->current.value : 0;
}

const char* CSRTFService::CurrentPropertyText(int handle, char (&guidText)[33]) const {
    const PropertyCursor* c = FindPropertyCursor(handle);
    if (!c || !c->hasCurrent) return nullptr;
    const PropertyValue& v = c->current;
    if (v.guid.IsZero()) return v.text.c_str();
    FormatGuidHex(guidText, v.guid);
    return guidText;
}

bool CSRTFService::GetStrProperty(int handle, std::string& out) const {
    const PropertyCursor* c = FindPropertyCursor(handle);
    if (!c || !c->hasCurrent) return false;
    const PropertyValue& v = c->current;
    out = v.guid.IsZero() ? v.text : GuidToHexString(v.guid);
    return true;
}

bool CSRTFService::IsCurrentPropertyString(int handle) const {
    const PropertyCursor* c = FindPropertyCursor(handle);
    return c && c->hasCurrent && (!c->current.guid.IsZero() || !c->current.text.empty());
}

// ---- server errors ----

bool CSRTFService::HasErrors(int handle) {
    if (!FindContainer(handle)) return false;
    return GetHeader(handle)->Operation == kServerErrorOperation;
}

const ErrorList* CSRTFService::GetErrorList(int handle) const {
    auto it = errorLists.find(handle);
    return it == errorLists.end() ? nullptr : it->second.get();
}

ErrorList& CSRTFService::BuildErrorList(int handle) {
    auto list = std::make_unique<ErrorList>();
    CSRTFContainer* doc = FindContainer(handle);
    for (int id : kErrorWalkSectionIds)
        if (SectionList* sections = doc->GetSectionList(id))
            list->sections.insert(list->sections.end(), sections->begin(), sections->end());
    list->position = 0;
    ErrorList& result = *list;
    errorLists[handle] = std::move(list);
    return result;
}

bool CSRTFService::IterateErrors(int handle) {
    if (!FindContainer(handle)) return false;
    auto it = errorLists.find(handle);
    if (it == errorLists.end()) {
        const ErrorList& list = BuildErrorList(handle);
        return list.position < list.sections.size();
    }
    ErrorList& list = *it->second;
    if (list.sections.empty()) return false;
    // From the end the walk starts over at the first section.
    list.position = list.position >= list.sections.size() ? 0 : list.position + 1;
    return list.position < list.sections.size();
}

int CSRTFService::GetErrorCode(int handle) const {
    const ErrorList* list = FindContainer(handle) ? GetErrorList(handle) : nullptr;
    if (!list || list->position >= list->sections.size()) return 0;
    return ErrorCodeOf(*list->sections[list->position]);
}

std::string CSRTFService::GetErrorDescription(int handle) const {
    const ErrorList* list = FindContainer(handle) ? GetErrorList(handle) : nullptr;
    if (!list || list->position >= list->sections.size()) return std::string();
    return ErrorDescriptionOf(*list->sections[list->position]);
}
